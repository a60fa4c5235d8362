#include "entry/window/FrmTimeZone.h"

#include "desktop/ProgramWindow.h"
#include "entry/TimeZoneTable.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

constexpr int visibleRows = 16;

} // namespace

FrmTimeZone::FrmTimeZone(QWidget* parent)
    : QDialog(parent)
    , m_lstTimeZone(new QListWidget)
    , m_cmdQuit(new QPushButton(QStringLiteral("&Quit")))
{
    setUpProgramWindow(this, "frmTimeZone");
    setModal(true);

    m_lstTimeZone->setObjectName(QStringLiteral("lstTimeZone"));
    m_lstTimeZone->setAccessibleName(QStringLiteral("Time zones"));
    m_lstTimeZone->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const TimeZoneChoice& choice : timeZoneChoices) {
        m_lstTimeZone->addItem(QString::fromLatin1(choice.text));
    }
    // The list's own double-click handling ignores the space below the last entry; the picker closes there too.
    m_lstTimeZone->viewport()->installEventFilter(this);
    m_lstTimeZone->installEventFilter(this);

    const int frame = 2 * m_lstTimeZone->frameWidth();
    m_lstTimeZone->setMinimumWidth(m_lstTimeZone->sizeHintForColumn(0)
                                   + m_lstTimeZone->verticalScrollBar()->sizeHint().width() + frame + 8);
    m_lstTimeZone->setMinimumHeight(m_lstTimeZone->sizeHintForRow(0) * visibleRows + frame);

    m_cmdQuit->setObjectName(QStringLiteral("cmdQuit"));
    m_cmdQuit->setAutoDefault(false);
    connect(m_cmdQuit, &QPushButton::clicked, this, &FrmTimeZone::cmdQuit_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdQuit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lstTimeZone);
    layout->addLayout(buttons);

    // No current row either: the list would otherwise outline row 0 when it takes the focus, though Enter would
    // choose nothing and Down would move to row 1. Without one, Down selects row 0.
    m_lstTimeZone->setCurrentIndex(QModelIndex());
    m_lstTimeZone->setFocus();
}

void FrmTimeZone::lstTimeZone_DblClick()
{
    const QList<QListWidgetItem*> selected = m_lstTimeZone->selectedItems();
    if (!selected.isEmpty()) {
        const TimeZoneChoice& choice = timeZoneChoices.at(m_lstTimeZone->row(selected.constFirst()));
        emit zoneChosen(choice.hours, choice.minutes);
    }
    accept();
}

void FrmTimeZone::cmdQuit_Click()
{
    reject();
}

bool FrmTimeZone::eventFilter(QObject* watched, QEvent* event)
{
    // The press before the double-click has already selected the entry under the mouse.
    if (watched == m_lstTimeZone->viewport() && event->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        lstTimeZone_DblClick();
        return true;
    }
    // Enter chooses the selected entry, so the picker works from the keyboard as well.
    if (watched == m_lstTimeZone && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            lstTimeZone_DblClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
