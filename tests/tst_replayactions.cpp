#include "Replay.h"
#include "Settings.h"
#include "VARN_eeprom.h"
#include "replayrun.h"
#include "scriptedwindow.h"
#include "temporarydefaults.h"
#include "testutil.h"

#include <QSettings>
#include <QtTest>

// The replay source of the main window: opening a dive log through the replay button, the
// dive list, and choosing a dive, which sets the planning values and the configuration.
class TestReplayActions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void opensDivingLogAndSelectsFirstDive();
    void choosingAnotherDive();
    void uddfDiveSetsModeAndGases();
    void typedValuesSurviveChoosingADive();
    void diveTimeRoundsUpDepthTruncates_data();
    void diveTimeRoundsUpDepthTruncates();
    void unreadableFileClosesTheLog_data();
    void unreadableFileClosesTheLog();
    void cancelClosesTheLogSilently();
    void diveWithoutSamplesLeavesItsFailure();

private:
    TemporaryDefaults dir;
    ScriptedWindow* window = nullptr;
    QString console() const { return window->textEdit->toPlainText(); }
    void open(const QString& fileName);
    QString writeDivingLog(const QString& name, int seconds, const QString& depth);
};

void TestReplayActions::initTestCase()
{
    QVERIFY(dir.isValid());
}

void TestReplayActions::init()
{
    eeprom = VARN_eeprom();
    window = new ScriptedWindow;
    window->replayModeCB->setChecked(true);
}

void TestReplayActions::cleanup()
{
    delete window->replay;
    delete window;
    window = nullptr;
}

// The user presses the replay button and picks fileName.
void TestReplayActions::open(const QString& fileName)
{
    window->openAnswers << fileName;
    QTest::mouseClick(window->replayButton, Qt::LeftButton);
}

QString TestReplayActions::writeDivingLog(const QString& name, int seconds, const QString& depth)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(QString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<Divinglog DBVersion=\"3.0\"><Logbook><Dive ID=\"1\">"
                       "<Divedate>2012-01-02</Divedate><Entrytime>10:00</Entrytime><Place>Test</Place>"
                       "<Depth>%2</Depth><ProfileInt>10</ProfileInt><Profile>"
                       "<P Time=\"0\"><Depth>0</Depth></P><P Time=\"%1\"><Depth>%2</Depth></P>"
                       "</Profile></Dive></Logbook></Divinglog>\n")
                   .arg(seconds)
                   .arg(depth)
                   .toUtf8());
    return path;
}

void TestReplayActions::opensDivingLogAndSelectsFirstDive()
{
    QVERIFY(window->replayButton->isEnabled());
    open(replayFixture("divinglog-dives.xml"));

    QCOMPARE(window->questions.size(), 1);
    QCOMPARE(window->questions[0].caption, QString("Replay dive profile"));
    QCOMPARE(window->questions[0].folder, QString());
    QCOMPARE(window->questions[0].filter,
             QString("Profile data (*.xml *.uddf);;DivingLog 5 (*.xml);;UDDF 2 or 3 (*.uddf);;"));

    QVERIFY(window->replay);
    QCOMPARE(window->replay->diveTime(), 2712);
    QCOMPARE(window->replayLE->text(), QString("replay/divinglog-dives.xml"));
    QStringList entries;
    for (int i = 0; i < window->replayListCB->count(); ++i)
        entries << window->replayListCB->itemText(i);
    QCOMPARE(entries, window->replay->diveList());
    QCOMPARE(entries.size(), 5);
    QCOMPARE(window->replayListCB->currentIndex(), 0);

    // 2712 s is 45.2 minutes: rounded up. 31.5 m: truncated.
    QCOMPARE(window->dive_time->value(), 46);
    QCOMPARE(window->dive_depth->value(), 31);
    QVERIFY(!window->dive_time->isEnabled());
    QVERIFY(!window->dive_depth->isEnabled());
    QVERIFY(console().contains("DivingLog DB 3.0 dive"));
}

void TestReplayActions::choosingAnotherDive()
{
    open(replayFixture("divinglog-dives.xml"));
    Replay* source = window->replay;

    window->replayListCB->setCurrentIndex(1);
    emit window->replayListCB->activated(1);
    QCOMPARE(window->replay, source);
    QCOMPARE(window->replay->diveTime(), 40);
    QCOMPARE(window->dive_time->value(), 1);
    QCOMPARE(window->dive_depth->value(), 20);
    QVERIFY(!window->dive_time->isEnabled());
    QCOMPARE(console().count("DivingLog DB 3.0 dive"), 2);

    // The replay itself follows the chosen dive.
    const ReplayRun run = runReplay(*window->replay, 40);
    QCOMPARE(run.depths.at(5), 10.0f);
    QCOMPARE(run.depths.at(10), 20.0f);
}

void TestReplayActions::uddfDiveSetsModeAndGases()
{
    QScopedPointer<Replay> reference(replayUDDF(replayFixture("uddf-config.uddf")));
    QVERIFY(reference);
    QVERIFY(reference->selectDive(0));
    const int minutes = (reference->diveTime() + 59) / 60;
    const int metres = int(reference->diveDepth());

    QVERIFY(window->ocrMode->isChecked());
    window->O2_2->setValue(32);
    open(replayFixture("uddf-config.uddf"));
    QCOMPARE(window->replayLE->text(), QString("replay/uddf-config.uddf"));
    QCOMPARE(window->dive_time->value(), minutes);
    QCOMPARE(window->dive_depth->value(), metres);
    QVERIFY(console().contains("This is a CCR dive."));

    // The dive's mode and mixes went into the image, and the form shows them.
    QVERIFY(eeprom.isCCR());
    QVERIFY(window->ccrMode->isChecked());
    QVERIFY(window->setpointGroup->isEnabled());
    QVERIFY(window->first_1->isChecked());
    QCOMPARE(window->O2_1->value(), 21);
    QCOMPARE(window->O2_2->value(), 50);
    QCOMPARE(window->gas_2->isChecked(), bool(eeprom.activeGases & 2));
}

void TestReplayActions::typedValuesSurviveChoosingADive()
{
    window->GF_low->setValue(45);
    window->saturation->setValue(150);
    window->gas_3->setChecked(true);
    open(replayFixture("divinglog-dives.xml"));
    QCOMPARE(window->GF_low->value(), 45);
    QCOMPARE(window->saturation->value(), 150);
    QVERIFY(window->gas_3->isChecked());
}

void TestReplayActions::diveTimeRoundsUpDepthTruncates_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("depth");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("metres");
    QTest::newRow("61 s, 45.9 m") << 61 << "45.9" << 2 << 45;
    QTest::newRow("60 s, 45.0 m") << 60 << "45.0" << 1 << 45;
    QTest::newRow("59 s, 0.5 m") << 59 << "0.5" << 1 << 0;
    QTest::newRow("3600 s, 129.99 m") << 3600 << "129.99" << 60 << 129;
}

void TestReplayActions::diveTimeRoundsUpDepthTruncates()
{
    QFETCH(int, seconds);
    QFETCH(QString, depth);
    QFETCH(int, minutes);
    QFETCH(int, metres);
    open(writeDivingLog("timing.xml", seconds, depth));
    QVERIFY(window->replay);
    QCOMPARE(window->replay->diveTime(), seconds);
    QCOMPARE(window->dive_time->value(), minutes);
    QCOMPARE(window->dive_depth->value(), metres);
}

void TestReplayActions::unreadableFileClosesTheLog_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("not a dive log") << replayFixture("not-a-dive-log.xml");
    QTest::newRow("truncated") << replayFixture("truncated.xml");
    QTest::newRow("no dive") << replayFixture("divinglog-empty.xml");
    QTest::newRow("no UDDF dive") << replayFixture("uddf-empty.uddf");
    QTest::newRow("missing file") << replayFixture("no-such-file.uddf");
    QTest::newRow("text file") << QString(VARN_FIXTURE_DIR "/../CMakeLists.txt");
    QTest::newRow("upper-case XML") << "upper";
}

void TestReplayActions::unreadableFileClosesTheLog()
{
    QFETCH(QString, fileName);
    if (fileName == "upper") {
        fileName = dir.filePath("DIVES.XML");
        QFile::remove(fileName);
        QVERIFY(QFile::copy(replayFixture("divinglog-dives.xml"), fileName));
    }

    open(replayFixture("divinglog-dives.xml"));
    QVERIFY(window->replay);
    window->replayButton->setChecked(true);

    QTest::ignoreMessage(QtWarningMsg, "Unable to read dive profile");
    open(fileName);
    QVERIFY(!window->replay);
    QCOMPARE(window->replayLE->text(), QString());
    QCOMPARE(window->replayListCB->count(), 0);
    QVERIFY(!window->replayButton->isChecked());
    QVERIFY(window->dive_time->isEnabled());
    QVERIFY(window->dive_depth->isEnabled());
    QVERIFY(console().endsWith("Unable to read dive profile"));
    QVERIFY(window->textEdit->toHtml().contains("color:#ff0000"));
}

void TestReplayActions::cancelClosesTheLogSilently()
{
    open(replayFixture("uddf-groups.uddf"));
    QVERIFY(window->replay);
    const QString before = console();

    QTest::mouseClick(window->replayButton, Qt::LeftButton);
    QVERIFY(!window->replay);
    QCOMPARE(window->replayListCB->count(), 0);
    QCOMPARE(window->replayLE->text(), QString());
    QVERIFY(window->dive_time->isEnabled());
    QCOMPARE(console(), before);
}

void TestReplayActions::diveWithoutSamplesLeavesItsFailure()
{
    open(replayFixture("divinglog-dives.xml"));
    const QString before = console();
    window->replayListCB->setCurrentIndex(3);
    QCOMPARE(thrownText([&] { window->selectDiveSlot(); }), QString("No samples in this dive"));
    // The planning values were set before the failure; nothing after it happened.
    QCOMPARE(window->dive_depth->value(), 12);
    QCOMPARE(console(), before);
    QVERIFY(!window->dive_time->isEnabled());

    // Another dive of the same file is still usable.
    window->replayListCB->setCurrentIndex(0);
    window->selectDiveSlot();
    QCOMPARE(window->dive_time->value(), 46);
}

QTEST_MAIN(TestReplayActions)
#include "tst_replayactions.moc"
