#include "shell/ClickLabel.h"
#include "windows/WindowOpeners.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QTest>

using namespace vireo;
using namespace vireo::test;

namespace {

// A control a user can reach or press: anything Tab stops at, any button, slider or scroll
// bar, any label that carries a command or shows the pointing hand. The parts of a combo box,
// spin box or scroll area are reached through the whole.
bool isControl(const QWidget* w)
{
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
        if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p) ||
            qobject_cast<const QAbstractScrollArea*>(p))
            return false;
    }
    if (const auto* label = qobject_cast<const ClickLabel*>(w); label && label->hasCommand())
        return true;
    const bool pointsToClick =
        w->testAttribute(Qt::WA_SetCursor) && w->cursor().shape() == Qt::PointingHandCursor;
    return pointsToClick || (w->focusPolicy() & Qt::TabFocus) ||
           qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractSlider*>(w);
}

QString describe(const QWidget* w)
{
    return QStringLiteral("%1 (%2)").arg(w->objectName(),
                                         QLatin1String(w->metaObject()->className()));
}

} // namespace

// What a screen reader hears for each control of each window: a control without visible text
// still has a name (an image button its caption or tooltip, an entry box its label). And what
// the keyboard reaches: every control.
class TestAccessibleNames : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyShownControlIsNamedAndReached_data();
    void everyShownControlIsNamedAndReached();
    void commandLabelsAreButtonsToScreenReaders();
};

void TestAccessibleNames::everyShownControlIsNamedAndReached_data()
{
    QTest::addColumn<int>("row");
    for (size_t i = 0; i < windowOpeners().size(); ++i)
        QTest::newRow(windowOpeners()[i].name) << int(i);
}

void TestAccessibleNames::everyShownControlIsNamedAndReached()
{
    QFETCH(int, row);
    WindowsFixture f;
    QWidget* window = windowOpeners()[size_t(row)].open(f);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QStringList unnamed, unreachable;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || !isControl(w))
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        if (!face || face->text(QAccessible::Name).trimmed().isEmpty())
            unnamed.append(describe(w));
        if (!(w->focusPolicy() & Qt::TabFocus))
            unreachable.append(describe(w));
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(u"unnamed: "_qs + unnamed.join(u", "_qs)));
    // Tab reaches every control, so that the keyboard alone can use the window.
    QVERIFY2(unreachable.isEmpty(),
             qPrintable(u"not reached by Tab: "_qs + unreachable.join(u", "_qs)));
}

// The launcher buttons are labels: screen readers must see buttons they can press.
void TestAccessibleNames::commandLabelsAreButtonsToScreenReaders()
{
    WindowsFixture f;
    QWidget* master = shownMaster(f);
    QVERIFY(master);
    QStringList launchers;
    for (auto* label : master->findChildren<ClickLabel*>()) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(label);
        QVERIFY(face);
        if (!label->hasCommand()) {
            QVERIFY2(face->role() != QAccessible::Button, qPrintable(describe(label)));
            QVERIFY(!face->actionInterface() || !face->actionInterface()->actionNames().contains(
                                                    QAccessibleActionInterface::pressAction()));
            continue;
        }
        QCOMPARE(face->role(), QAccessible::Button);
        QVERIFY(face->state().focusable);
        QVERIFY(face->actionInterface());
        QVERIFY(face->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        launchers.append(face->text(QAccessible::Name));
    }
    launchers.sort();
    QStringList expected{u"Back!"_qs,    u"Foward!"_qs,     u"Stop!"_qs,
                         u"Refresh!"_qs, u"Home!"_qs,       u"Web Browser!"_qs,
                         u"Journal!"_qs, u"Phone Book!"_qs, u"Homework Help!"_qs,
                         u"MP3!"_qs,     u"Search!"_qs,     u"Teen Rights!"_qs};
    expected.sort();
    QCOMPARE(launchers, expected);

    // Pressing through the accessible interface runs the button's command.
    auto* webBrowser = master->findChild<ClickLabel*>(QStringLiteral("Image6"));
    QVERIFY(webBrowser);
    const int before = f.pages.size();
    QAccessible::queryAccessibleInterface(webBrowser)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(f.pages.size(), before + 1);
}

QTEST_MAIN(TestAccessibleNames)
#include "test_accessible_names.moc"
