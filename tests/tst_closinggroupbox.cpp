#include "ClosingGroupBox.h"
#include "Settings.h"

#include <QCheckBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

// The collapsible group box: folding, the disabled state and the remembered check state.
class TestClosingGroupBox : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void unnamedBoxIsOpenAndCheckedWithoutTouchingSettings();
    void noStoredKeyOpensAndWritesTrue();
    void storedFalseStartsFoldedWithContentsDisabled();
    void clickFoldsUnfoldsAndStores();
    void onlyTheUserFoldsIt();
    void disablingFoldsButKeepsStoredState_data();
    void disablingFoldsButKeepsStoredState();
    void disabledParentOnlyGreysIt_data();
    void disabledParentOnlyGreysIt();
    void nonCheckableBoxIsAlwaysOpen();
    void stateSurvivesANewSettingsObject();
    void keyRemovedKeepsLookUntilNextChange();

private:
    QTemporaryDir dir;
    QString file() const { return dir.filePath("defaults.ini"); }
};

namespace {

const int open = 32767;
const int folded = 17;

// A box with one check box inside, as the main window's groups hold their inputs.
struct Box {
    QWidget window;
    ClosingGroupBox* box;
    QCheckBox* child;

    Box()
    {
        auto* layout = new QVBoxLayout(&window);
        box = new ClosingGroupBox(&window);
        child = new QCheckBox("inside", box);
        auto* inner = new QVBoxLayout(box);
        inner->addWidget(child);
        layout->addWidget(box);
    }
};

// A click on the title's check box, as the user makes it.
void clickTitle(ClosingGroupBox* box)
{
    box->setChecked(!box->isChecked());
    emit box->clicked(box->isChecked());
}

} // namespace

void TestClosingGroupBox::init()
{
    QVERIFY(dir.isValid());
    QFile::remove(file());
    settings = new QSettings(file(), QSettings::IniFormat);
}

void TestClosingGroupBox::cleanup()
{
    delete settings;
    settings = nullptr;
}

void TestClosingGroupBox::unnamedBoxIsOpenAndCheckedWithoutTouchingSettings()
{
    Box b;
    QVERIFY(b.box->isCheckable());
    QVERIFY(b.box->isChecked());
    QVERIFY(b.box->isFlat());
    QCOMPARE(b.box->maximumHeight(), QWIDGETSIZE_MAX);
    QVERIFY(settings->allKeys().isEmpty());
}

void TestClosingGroupBox::noStoredKeyOpensAndWritesTrue()
{
    Box b;
    b.box->setObjectName("decoGB");
    QVERIFY(b.box->isChecked());
    QCOMPARE(b.box->maximumHeight(), open);
    QCOMPARE(settings->value("Interface/decoGB").toString(), QString("true"));
}

void TestClosingGroupBox::storedFalseStartsFoldedWithContentsDisabled()
{
    settings->setValue("Interface/gasGB", false);
    Box b;
    b.box->setObjectName("gasGB");
    QVERIFY(!b.box->isChecked());
    QCOMPARE(b.box->maximumHeight(), folded);
    QVERIFY(!b.child->isEnabled());
    QVERIFY(b.box->isEnabled());

    b.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b.window));
    QCOMPARE(b.box->height(), folded);
    QCOMPARE(settings->value("Interface/gasGB").toBool(), false);
}

void TestClosingGroupBox::clickFoldsUnfoldsAndStores()
{
    Box b;
    b.box->setObjectName("planGB");
    b.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b.window));
    const int openHeight = b.box->height();
    QVERIFY(openHeight > folded);

    clickTitle(b.box);
    QCOMPARE(b.box->maximumHeight(), folded);
    QCOMPARE(settings->value("Interface/planGB").toBool(), false);
    QVERIFY(!b.child->isEnabled());
    QTRY_COMPARE(b.box->height(), folded);

    clickTitle(b.box);
    QCOMPARE(b.box->maximumHeight(), open);
    QCOMPARE(settings->value("Interface/planGB").toBool(), true);
    QVERIFY(b.child->isEnabled());
    QTRY_COMPARE(b.box->height(), openHeight);
}

// The program setting the check state is no click: the box keeps its height and its stored
// state; the user's toggle of the title's check box (here by the keyboard) folds it.
void TestClosingGroupBox::onlyTheUserFoldsIt()
{
    Box b;
    b.box->setObjectName("plotGB");
    b.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b.window));

    b.box->setChecked(false);
    QCOMPARE(b.box->maximumHeight(), open);
    QCOMPARE(settings->value("Interface/plotGB").toBool(), true);
    b.box->setChecked(true);

    b.box->setFocus();
    QTest::keyClick(b.box, Qt::Key_Space);
    QVERIFY(!b.box->isChecked());
    QCOMPARE(b.box->maximumHeight(), folded);
    QCOMPARE(settings->value("Interface/plotGB").toBool(), false);
}

void TestClosingGroupBox::disablingFoldsButKeepsStoredState_data()
{
    QTest::addColumn<bool>("checked");
    QTest::newRow("checked box opens again") << true;
    QTest::newRow("unchecked box stays folded") << false;
}

void TestClosingGroupBox::disablingFoldsButKeepsStoredState()
{
    QFETCH(bool, checked);
    settings->setValue("Interface/setpointGroup", checked);
    Box b;
    b.box->setObjectName("setpointGroup");

    b.box->setEnabled(false);
    QCOMPARE(b.box->maximumHeight(), folded);
    QCOMPARE(settings->value("Interface/setpointGroup").toBool(), checked);
    QCOMPARE(b.box->isChecked(), checked);

    b.box->setEnabled(true);
    QCOMPARE(b.box->maximumHeight(), checked ? open : folded);
    QCOMPARE(settings->value("Interface/setpointGroup").toBool(), checked);
}

void TestClosingGroupBox::disabledParentOnlyGreysIt_data()
{
    QTest::addColumn<bool>("checked");
    QTest::newRow("open box stays open") << true;
    QTest::newRow("folded box stays folded") << false;
}

// The window greys its whole form out while a transfer runs: the boxes keep their look.
void TestClosingGroupBox::disabledParentOnlyGreysIt()
{
    QFETCH(bool, checked);
    settings->setValue("Interface/decoGB", checked);
    Box b;
    b.box->setObjectName("decoGB");
    b.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b.window));
    const int height = b.box->height();

    b.window.setEnabled(false);
    QVERIFY(!b.child->isEnabled());
    QCOMPARE(b.box->maximumHeight(), checked ? open : folded);
    QTest::qWait(50);
    QCOMPARE(b.box->height(), height);

    b.window.setEnabled(true);
    QCOMPARE(b.child->isEnabled(), checked);
    QCOMPARE(b.box->maximumHeight(), checked ? open : folded);
    QCOMPARE(settings->value("Interface/decoGB").toBool(), checked);
}

void TestClosingGroupBox::nonCheckableBoxIsAlwaysOpen()
{
    Box b;
    b.box->setObjectName("otherGB");
    b.box->setChecked(false);
    b.box->setCheckable(false);
    b.box->clickSlot();
    QCOMPARE(b.box->maximumHeight(), open);
    b.box->setEnabled(false);
    QCOMPARE(b.box->maximumHeight(), open);
}

void TestClosingGroupBox::stateSurvivesANewSettingsObject()
{
    {
        Box b;
        b.box->setObjectName("replayGroup");
        clickTitle(b.box);
    }
    delete settings;
    settings = new QSettings(file(), QSettings::IniFormat);

    Box again;
    again.box->setObjectName("replayGroup");
    QVERIFY(!again.box->isChecked());
    QCOMPARE(again.box->maximumHeight(), folded);
}

void TestClosingGroupBox::keyRemovedKeepsLookUntilNextChange()
{
    settings->setValue("Interface/plotGB", false);
    Box b;
    b.box->setObjectName("plotGB");
    settings->clear();

    QCOMPARE(b.box->maximumHeight(), folded);
    QVERIFY(!settings->contains("Interface/plotGB"));
    b.box->setEnabled(false);
    QCOMPARE(settings->value("Interface/plotGB").toString(), QString("false"));

    // A box whose key is absent comes back open.
    settings->clear();
    Box next;
    next.box->setObjectName("plotGB");
    QVERIFY(next.box->isChecked());
    QCOMPARE(next.box->maximumHeight(), open);
}

QTEST_MAIN(TestClosingGroupBox)
#include "tst_closinggroupbox.moc"
