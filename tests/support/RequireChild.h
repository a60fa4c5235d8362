#pragma once

#include "tests/support/CallSite.h"

#include <QAbstractButton>
#include <QObject>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <QWidget>

#include <type_traits>

namespace RequireChildDetail {

// "no QLineEdit named "txtName" in frmMain (FrmMain)", or what the namesake is when it has another type.
QString describeMissing(const QObject* parent, const QString& name, const QMetaObject& wanted);

// A hidden widget, never shown, that owns the stand-ins for controls a test could not find.
QWidget* standInOwner();

// The type a stand-in is made of: T itself, or a plain kind of an abstract T.
template <typename T>
struct StandInType
{
    using type = T;
};

template <>
struct StandInType<QAbstractButton>
{
    using type = QPushButton;
};

template <typename T>
T* standIn()
{
    using Made = typename StandInType<T>::type;
    static_assert(std::is_default_constructible_v<Made>, "requireChild needs a type it can make a stand-in of");
    Made* made = new Made();
    made->setParent(standInOwner());
    return made;
}

} // namespace RequireChildDetail

// The child of `parent` named `name`, of type T. When there is none, the running test fails with the control's name
// (and the type of a namesake of another type), and a stand-in of type T comes back instead of a null pointer: the
// test runs on to its end without crashing the binary, and its failure stays recorded. Works in release builds,
// unlike Q_ASSERT, and in helpers that return a value, unlike QVERIFY.
template <typename T = QWidget>
T* requireChild(const QObject* parent, const QString& name, CallSite where = CallSite())
{
    if (parent != nullptr) {
        if (T* found = parent->findChild<T*>(name)) {
            return found;
        }
    }
    QTest::qFail(qPrintable(RequireChildDetail::describeMissing(parent, name, T::staticMetaObject)), where.file,
                 where.line);
    return RequireChildDetail::standIn<T>();
}

template <typename T = QWidget>
T* requireChild(const QObject* parent, const char* name, CallSite where = CallSite())
{
    return requireChild<T>(parent, QString::fromLatin1(name), where);
}
