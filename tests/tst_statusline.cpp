#include "StatusLine.h"
#include "VARN_eeprom.h"
#include "p2_deco.h"

#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

namespace {

// How a piece of the last console line is shown: "red", "plain", or "" when it is not there.
QString pieceStyle(const QTextEdit& console, const QString& piece)
{
    const QTextBlock block = console.document()->lastBlock();
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.text().contains(piece))
            continue;
        const QTextCharFormat format = fragment.charFormat();
        const bool red = format.foreground().color() == QColor(Qt::red) && format.fontWeight() == QFont::Bold;
        return red ? "red" : "plain";
    }
    return QString();
}

QString lastLine(const QTextEdit& console)
{
    return console.document()->lastBlock().text();
}

} // namespace

class TestStatusLine : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void clockAndDepth_data();
    void clockAndDepth();
    void labelAndMinutes_data();
    void labelAndMinutes();
    void ppO2_data();
    void ppO2();
    void gradientFactor_data();
    void gradientFactor();
    void cns_data();
    void cns();
    void everythingAtOnce();

private:
    QTextEdit console;
};

void TestStatusLine::init()
{
    eeprom = VARN_eeprom();
    console.clear();
    dive_time = 0;
    char_I_actual_ppO2 = 0;
    char_O_gradient_factor = 0;
    char_O_CNS_fraction = 0;
}

void TestStatusLine::initTestCase()
{
    QCOMPARE(dive_time, -1);
}

void TestStatusLine::clockAndDepth_data()
{
    QTest::addColumn<int>("clock");
    QTest::addColumn<float>("depth");
    QTest::addColumn<QString>("line");

    QTest::newRow("2:05 at 21.04 m") << 125 << 21.04f << "  2:05  21.0m";
    QTest::newRow("start") << 0 << 0.0f << "  0:00   0.0m";
    QTest::newRow("rounding") << 3599 << 9.96f << " 59:59  10.0m";
    QTest::newRow("long dive") << 600000 << 130.0f << "10000:00 130.0m";
}

void TestStatusLine::clockAndDepth()
{
    QFETCH(int, clock);
    QFETCH(float, depth);
    QFETCH(QString, line);

    dive_time = clock;
    print_state(&console, depth, QString(), 0);
    QCOMPARE(console.toPlainText(), line);
}

void TestStatusLine::labelAndMinutes_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("line");

    QTest::newRow("no label, minutes not shown") << QString() << 12 << "  0:00   9.0m";
    QTest::newRow("label only") << "DESCENT DONE" << 0 << "  0:00   9.0m DESCENT DONE";
    QTest::newRow("minutes") << "STOP" << 3 << "  0:00   9.0m STOP = 3 '";
    QTest::newRow("60 minutes") << "NDL" << 60 << "  0:00   9.0m NDL = 60 '";
    QTest::newRow("hours") << "Desat" << 90 << "  0:00   9.0m Desat =  1:30";
    QTest::newRow("many hours") << "Desat" << 725 << "  0:00   9.0m Desat = 12:05";
    QTest::newRow("negative minutes") << "STOP" << -4 << "  0:00   9.0m STOP";
}

void TestStatusLine::labelAndMinutes()
{
    QFETCH(QString, label);
    QFETCH(int, minutes);
    QFETCH(QString, line);

    print_state(&console, 9, label, minutes);
    QCOMPARE(console.toPlainText(), line);
}

void TestStatusLine::ppO2_data()
{
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("ppO2");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("style");

    QTest::newRow("never set") << 19 << 0 << "ppO2" << "";
    QTest::newRow("below the low limit") << 19 << 17 << "ppO2=0.17 " << "red";
    QTest::newRow("within the low tolerance") << 19 << 18 << "ppO2" << "";
    QTest::newRow("below the display threshold") << 19 << 139 << "ppO2" << "";
    QTest::newRow("display threshold") << 19 << 140 << "ppO2=1.40" << "plain";
    QTest::newRow("within the high tolerance") << 19 << 162 << "ppO2=1.62" << "plain";
    QTest::newRow("above the warning") << 19 << 163 << "ppO2=1.63 " << "red";
    QTest::newRow("higher low limit") << 21 << 19 << "ppO2=0.19 " << "red";
}

void TestStatusLine::ppO2()
{
    QFETCH(int, low);
    QFETCH(int, ppO2);
    QFETCH(QString, text);
    QFETCH(QString, style);

    eeprom.cf(17).value = (unsigned short)low;
    char_I_actual_ppO2 = (unsigned char)ppO2;
    print_state(&console, 30, QString(), 0);
    QCOMPARE(pieceStyle(console, text), style);
    // A line with markup is rich text, where runs of blanks collapse.
    if (style.isEmpty())
        QCOMPARE(lastLine(console), QString("  0:00  30.0m"));
    else
        QCOMPARE(lastLine(console).simplified(), "0:00 30.0m " + text.trimmed());
}

void TestStatusLine::gradientFactor_data()
{
    QTest::addColumn<int>("gf");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("style");

    QTest::newRow("below display") << 19 << "GF" << "";
    QTest::newRow("display threshold") << 20 << "GF=20%" << "plain";
    QTest::newRow("below warning") << 79 << "GF=79%" << "plain";
    QTest::newRow("warning threshold") << 80 << "GF=80%" << "red";
    QTest::newRow("far above") << 255 << "GF=255%" << "red";
}

void TestStatusLine::gradientFactor()
{
    QFETCH(int, gf);
    QFETCH(QString, text);
    QFETCH(QString, style);

    eeprom.cf(45).value = 80;
    char_O_gradient_factor = (unsigned char)gf;
    print_state(&console, 3, "STOP", 2);
    QCOMPARE(pieceStyle(console, text), style);
}

void TestStatusLine::cns_data()
{
    QTest::addColumn<int>("cns");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("style");

    QTest::newRow("below display") << 19 << "CNS" << "";
    QTest::newRow("display threshold") << 20 << "CNS=20%" << "plain";
    QTest::newRow("warning threshold") << 75 << "CNS=75%" << "red";
}

void TestStatusLine::cns()
{
    QFETCH(int, cns);
    QFETCH(QString, text);
    QFETCH(QString, style);

    eeprom.cf(44).value = 75;
    char_O_CNS_fraction = (unsigned char)cns;
    print_state(&console, 3, QString(), 0);
    QCOMPARE(pieceStyle(console, text), style);
}

void TestStatusLine::everythingAtOnce()
{
    dive_time = 2530;
    char_I_actual_ppO2 = 145;
    char_O_gradient_factor = 102;
    char_O_CNS_fraction = 33;
    print_state(&console, 6, "STOP", 4);
    QCOMPARE(lastLine(console), QString("42:10 6.0m STOP = 4 ' ppO2=1.45 GF=102% CNS=33%"));
    QCOMPARE(pieceStyle(console, "GF=102%"), QString("red"));
    QCOMPARE(pieceStyle(console, "CNS=33%"), QString("plain"));
    QCOMPARE(console.document()->blockCount(), 1);
}

QTEST_MAIN(TestStatusLine)
#include "tst_statusline.moc"
