#include "PlannerApplication.h"
#include "Settings.h"
#include "Updates.h"
#include "VARN_Planner_Interface.h"
#include "VARN_eeprom.h"
#include "columncheck.h"
#include "plotwindows.h"
#include "temporarydefaults.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QSplashScreen>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <sys/stat.h>

// The program's four translations: built beside the program (this test runs there), complete for
// the texts of the current sources, true to the fields and markup of each source text, and shown
// by a program started in each language.
class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void translationFileLoads_data();
    void translationFileLoads();
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
    void programStartsInTheLanguage_data();
    void programStartsInTheLanguage();
    void settingsDialogShowsEveryText_data();
    void settingsDialogShowsEveryText();
};

namespace {

struct Message {
    QString context;
    QString source;
    QString comment;
    QString type;
    QStringList translations;
};

const char* const cfLabelContext = "CF menu (15 char max)";

QString tsFile(const QString& code)
{
    return QString(VARN_SOURCE_DIR "/translations/varn_planner_%1.ts").arg(code);
}

QList<Message> readTs(const QString& path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isEndElement()) {
            if (xml.name() == QLatin1String("message"))
                messages << message;
            continue;
        }
        if (!xml.isStartElement())
            continue;
        const QStringRef name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message{context, {}, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value("type").toString();
            // A plural text keeps one form per numerus element; a plain one is its own text.
            QString text;
            bool forms = false;
            while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() != QLatin1String("translation")) {
                if (xml.isCharacters())
                    text += xml.text();
                else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
                    forms = true;
                    message.translations << xml.readElementText();
                }
            }
            if (!forms)
                message.translations << text;
        }
    }
    return messages;
}

// The translation file's text for a source text, whatever the program made of it.
QString translationOf(const QList<Message>& messages, const QString& context, const QString& source)
{
    for (const Message& m : messages)
        if (m.context == context && m.source == source && !m.translations.isEmpty())
            return m.translations.first();
    return QString();
}

QStringList matches(const QString& pattern, const QString& text)
{
    QStringList found;
    QRegularExpressionMatchIterator i = QRegularExpression(pattern).globalMatch(text);
    while (i.hasNext())
        found << i.next().captured();
    found.sort();
    return found;
}

// The numbered fields of a text ("%1", "%L2", "%n") and its markup (tags and entities).
QStringList fields(const QString& text)
{
    return matches("%L?(\\d+|n)", text);
}

QStringList markup(const QString& text)
{
    return matches("<[^>]*>|&[a-zA-Z]+;|&#\\d+;", text);
}

QString problemsOf(const Message& m)
{
    const QString where = QString("%1 \"%2\"").arg(m.context, m.source);
    if (m.type == "unfinished" || m.type == "vanished" || m.type == "obsolete")
        return where + ": " + (m.type.isEmpty() ? "untranslated" : m.type);
    QStringList problems;
    for (const QString& t : m.translations) {
        if (t.isEmpty() && !m.source.isEmpty())
            problems << "empty";
        if (fields(t) != fields(m.source))
            problems << "fields " + fields(t).join(' ') + " for " + fields(m.source).join(' ');
        if (markup(t) != markup(m.source))
            problems << "markup " + markup(t).join(' ') + " for " + markup(m.source).join(' ');
        if (m.source.contains("VARN Planner") && !t.contains("VARN Planner"))
            problems << "program name changed";
        if (m.context == cfLabelContext && t.size() > 15)
            problems << QString("%1 characters").arg(t.size());
    }
    return problems.isEmpty() ? QString() : where + ": " + problems.join(", ");
}

} // namespace

void TestTranslations::initTestCase()
{
    // The start-up's version check stays on this machine: a closed port answers at once.
    Updates::setDefaultServers(QUrl("http://127.0.0.1:1"), QUrl("http://127.0.0.1:1"));
}

void TestTranslations::translationFileLoads_data()
{
    QTest::addColumn<QString>("code");
    for (const char* code : {"DE", "ES", "FR", "IT"})
        QTest::newRow(code) << code;
}

void TestTranslations::translationFileLoads()
{
    QFETCH(QString, code);
    QTranslator translator;
    QVERIFY2(translator.load("varn_planner_" + code, QCoreApplication::applicationDirPath()),
             qPrintable("varn_planner_" + code + ".qm is not beside the program"));
    QVERIFY(!translator.isEmpty());
    const QList<Message> messages = readTs(tsFile(code));
    QVERIFY(!messages.isEmpty());
    for (const Message& m : messages) {
        if (m.translations.size() != 1)
            continue;
        const QString shown = translator.translate(qPrintable(m.context), qPrintable(m.source),
                                                   m.comment.isEmpty() ? nullptr : qPrintable(m.comment));
        QCOMPARE(shown, m.translations.first());
    }
}

void TestTranslations::everyTextIsTranslated_data()
{
    translationFileLoads_data();
}

// The file as lupdate leaves it after reading today's sources: a text added to the program without
// its translation comes in unfinished here.
void TestTranslations::everyTextIsTranslated()
{
    QFETCH(QString, code);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString refreshed = dir.filePath("refreshed.ts");
    QVERIFY(QFile::copy(tsFile(code), refreshed));

    QProcess lupdate;
    lupdate.setWorkingDirectory(VARN_SOURCE_DIR);
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(VARN_LUPDATE, {"-no-obsolete", "-locations", "none", "device", "deco", "simulation", "plot", "app",
                                 "-ts", refreshed});
    QVERIFY(lupdate.waitForFinished(60000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());

    const QList<Message> messages = readTs(refreshed);
    QVERIFY(messages.size() > 300);
    QStringList problems;
    for (const Message& m : messages) {
        const QString problem = problemsOf(m);
        if (!problem.isEmpty())
            problems << problem;
    }
    QVERIFY2(problems.isEmpty(),
             qPrintable(QString("%1 of %2 texts:\n").arg(problems.size()).arg(messages.size())
                        + problems.mid(0, 40).join('\n')));
}

void TestTranslations::programStartsInTheLanguage_data()
{
    translationFileLoads_data();
}

void TestTranslations::programStartsInTheLanguage()
{
    QFETCH(QString, code);
    const QList<Message> messages = readTs(tsFile(code));
    QTemporaryDir home;
    QVERIFY(home.isValid());
    qputenv("HOME", home.path().toLocal8Bit());
    {
        QSettings file(home.filePath(".VARN_Planner_Defaults.ini"), QSettings::IniFormat);
        file.setValue("Interface/lang", code);
        file.setValue("Dive/bottom_time", 2);
        file.setValue("Dive/bottom_depth", 12);
    }
    eeprom = VARN_eeprom();
    auto* app = static_cast<PlannerApplication*>(qApp);
    app->startUp();

    QCOMPARE(mainWindow->menuFile->title(), translationOf(messages, "VARN_Planner", "&File"));
    QCOMPARE(mainWindow->decoGB->title(), translationOf(messages, "VARN_Planner", "Decompression Model:"));
    QCOMPARE(mainWindow->actionLoad->text(), translationOf(messages, "VARN_Planner", "&Load..."));
    {
        Settings dialog(mainWindow);
        QCOMPARE(dialog.label->text(), translationOf(messages, "Settings", "Language:"));
        QCOMPARE(dialog.resetSettingsPB->text(), translationOf(messages, "Settings", "Reset all settings"));
    }

    mainWindow->simulateSlot();
    const QString lastStop = translationOf(messages, "VARN_Planner_Interface", "*  last stop (CF29) = %1 m");
    QVERIFY(!lastStop.isEmpty());
    QVERIFY2(mainWindow->textEdit->toPlainText().contains(lastStop.arg(3)), qPrintable(lastStop));

    int inputs = 0;
    const QStringList cut = cutColumnInputs(mainWindow, &inputs);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(", ")));
    QVERIFY(inputs > 30);

    mainWindow->close();
    app->shutDown();
    delete mainWindow->splash;
    delete mainWindow;
    mainWindow = nullptr;
    deletePlotWindows();
}

void TestTranslations::settingsDialogShowsEveryText_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("ports");
    QTest::addColumn<bool>("chosenInTheDialog");
    for (const char* code : {"DE", "EN", "ES", "FR", "IT"}) {
        for (bool ports : {false, true}) {
            for (bool chosen : {false, true})
                QTest::newRow(qPrintable(QString("%1, %2, %3")
                                             .arg(code, ports ? "ports" : "no port",
                                                  chosen ? "chosen in the dialog" : "stored")))
                    << code << ports << chosen;
        }
    }
}

// Every text of the settings dialog fits in every language: opened in it, or switched to it in
// the open dialog; with the warning of a missing adapter, or with adapters listed (fifos stand
// in for them), one of them chosen.
void TestTranslations::settingsDialogShowsEveryText()
{
    QFETCH(QString, code);
    QFETCH(bool, ports);
    QFETCH(bool, chosenInTheDialog);
    const QStringList codes = {"DE", "EN", "ES", "FR", "IT"};

    TemporaryDefaults defaults;
    QVERIFY(defaults.isValid());
    const QString devices = defaults.filePath("dev");
    QVERIFY(QDir().mkpath(devices));
    if (ports) {
        for (const char* name : {"tty.usbserial-FTB6SPL3", "cu.usbserial-FTB6SPL3", "ttyUSB0"})
            QCOMPARE(mkfifo(QFile::encodeName(devices + "/" + name).constData(), 0666), 0);
        settings->setValue("VARN/port", "tty.usbserial-FTB6SPL3");
    }
    Settings::setPortFolder(devices);
    settings->setValue("Interface/lang", chosenInTheDialog ? "EN" : code);
    Settings::reload(nullptr);

    VARN_Planner_Interface window;
    Settings dialog(&window);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    if (chosenInTheDialog) {
        dialog.languageMenu->setCurrentIndex(codes.indexOf(code));
        dialog.languageSlot(codes.indexOf(code));
    }
    QTRY_COMPARE(dialog.label->text(),
                 code == "EN" ? QString("Language:") : translationOf(readTs(tsFile(code)), "Settings", "Language:"));
    QCOMPARE(dialog.noPortLabel->text().isEmpty(), ports);
    QCOMPARE(dialog.portMenu->count(), ports ? 3 : 0);
    // The new texts are laid out as the event loop lays them out.
    QCoreApplication::processEvents();
    const QStringList cut = cutTexts(&dialog);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(", ")));
    // Nor when the user makes the dialog as small as it goes.
    dialog.resize(dialog.minimumSize());
    QCoreApplication::processEvents();
    const QStringList cutSmallest = cutTexts(&dialog);
    QVERIFY2(cutSmallest.isEmpty(), qPrintable("smallest: " + cutSmallest.join(", ")));
}

int main(int argc, char* argv[])
{
    PlannerApplication app(argc, argv);
    TestTranslations test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translations.moc"
