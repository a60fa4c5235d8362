#include "tests/support/RequireChild.h"

#include <QCoreApplication>
#include <QPointer>

QString RequireChildDetail::describeMissing(const QObject* parent, const QString& name, const QMetaObject& wanted)
{
    const QString wantedType = QString::fromLatin1(wanted.className());
    if (parent == nullptr) {
        return QStringLiteral("no %1 named \"%2\": the window to look in is gone").arg(wantedType, name);
    }
    const QString where
        = QStringLiteral("%1 (%2)").arg(parent->objectName(), QString::fromLatin1(parent->metaObject()->className()));
    if (const QObject* namesake = parent->findChild<QObject*>(name)) {
        return QStringLiteral("\"%1\" in %2 is a %3, not a %4")
            .arg(name, where, QString::fromLatin1(namesake->metaObject()->className()), wantedType);
    }
    return QStringLiteral("no %1 named \"%2\" in %3").arg(wantedType, name, where);
}

QWidget* RequireChildDetail::standInOwner()
{
    static QPointer<QWidget> owner;
    if (owner.isNull()) {
        owner = new QWidget;
        owner->setObjectName(QStringLiteral("standInsForMissingControls"));
        qAddPostRoutine([] { delete owner.data(); });
    }
    return owner;
}
