// The keyboard output format page: its frames, its log lines, and a round
// trip against the virtual reader.
#include <QApplication>
#include <QRadioButton>
#include <QTest>

#include "pages/outputformat.h"
#include "support.h"

using namespace rfid;
using namespace rfid::test;

namespace {
QStringList formatLines(const QString &format, const QString &semicolon, const QString &comma,
                        const QString &question, const QString &enter)
{
    const QString p = QStringLiteral("The Output format ： ");
    return {QStringLiteral("Read data success    <time>"), p + format, p + semicolon, p + comma, p + question,
            p + enter, QString()};
}
} // namespace

class TestOutputFormat : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        Scripted().reset();
        resetVirtualReader();
    }

    void setFrames_data()
    {
        QTest::addColumn<QStringList>("ticks");
        QTest::addColumn<QString>("userByte");
        QTest::addColumn<QString>("frame");
        QTest::newRow("13 no. in D, ; and Enter")
            << QStringList{"RadioButton15", "CheckBox16", "CheckBox15"} << "2B"
            << "AA 00 09 82 05 01 00 00 01 01 01 00 8E BB";
        QTest::newRow("user byte as typed")
            << QStringList{"RadioButton17", "CheckBox19", "RadioButton20"} << "2b"
            << "AA 00 09 82 00 00 00 00 00 00 01 2B A1 BB";
        QTest::newRow("same caption, other code")
            << QStringList{"RadioButton11", "CheckBox17", "CheckBox18"} << "2B"
            << "AA 00 09 82 0E 00 01 01 00 01 01 00 85 BB";
        QTest::newRow("same caption, first code") << QStringList{"RadioButton13"} << "FF"
                                                  << "AA 00 09 82 09 00 00 00 00 01 01 00 82 BB";
    }
    void setFrames()
    {
        QFETCH(QStringList, ticks);
        QFETCH(QString, userByte);
        QFETCH(QString, frame);
        Window w(scriptedPath(), false);
        Scripted script;
        for (const QString &t : ticks)
            w.check(t);
        w.setText(QStringLiteral("Edit23"), userByte);
        w.click(QStringLiteral("Button24"));
        QCOMPARE(script.requestsHex(), QStringList{frame});
    }

    void choicesAreIndependent()
    {
        Window w(scriptedPath(), false);
        QVERIFY(w.find<QRadioButton>(QStringLiteral("RadioButton18"))->isChecked());
        w.check(QStringLiteral("RadioButton6"));
        QVERIFY(w.find<QRadioButton>(QStringLiteral("RadioButton18"))->isChecked());
        w.check(QStringLiteral("RadioButton20"));
        QVERIFY(w.find<QRadioButton>(QStringLiteral("RadioButton6"))->isChecked());
    }

    void readLines_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("13 no. in D with ; and Enter")
            << "00 05 01 00 00 01 01 01 00"
            << formatLines("13 no. in D", "add semicolon", "do not add , ", "do not add ? ", "add enter");
        QTest::newRow("same caption reads differently")
            << "00 0E 00 01 01 00"
            << formatLines("8 no. in D (The card last 3bytes)", "do not add semicolon ", "add ,", "add ?",
                           "do not add enter ");
        QTest::newRow("code 04 is none") << "00 04 FF 00 00 00"
                                         << formatLines("", "add semicolon", "do not add , ", "do not add ? ",
                                                        "do not add enter ");
        // Only data bytes are read: a check or end byte is never a code or a flag.
        const QStringList corrupted = {"data error,please check data..   <time>", ""};
        QTest::newRow("code would be the check byte") << "07" << corrupted;
        QTest::newRow("flag would be the check byte") << "00 05 01" << corrupted;
        QTest::newRow("one flag short") << "05 0F 00 00 00" << corrupted;
    }
    void readLines()
    {
        QFETCH(QString, data);
        QFETCH(QStringList, lines);
        Window w(scriptedPath(), false);
        Scripted script;
        w.check(QStringLiteral("RadioButton6"));
        script.respond(response(0, data));
        w.click(QStringLiteral("Button25"));
        QCOMPARE(script.requestsHex(), QStringList{"AA 00 01 83 82 BB"});
        QCOMPARE(w.lines(), lines);
        // Read only reports.
        QVERIFY(w.find<QRadioButton>(QStringLiteral("RadioButton6"))->isChecked());
    }

    void readFailures()
    {
        Window w(scriptedPath(), false);
        Scripted script;
        script.respond(response(1, "85"));
        script.respond(response(2, "00"));
        script.respond(QByteArray());
        for (int i = 0; i < 3; ++i)
            w.click(QStringLiteral("Button25"));
        QCOMPARE(w.lines(), QStringList({"Read format false   <time>", "输入参数或者输入命令格式错误....", "",
                                         "data error,please check data..   <time>", "",
                                         "Data error，no data recevice..   <time>", ""}));
    }

    void setThenReadOnTheVirtualReader()
    {
        Window w(virtualPath(), false);
        w.check(QStringLiteral("RadioButton9"));
        w.check(QStringLiteral("CheckBox17"));
        w.check(QStringLiteral("CheckBox15"));
        w.click(QStringLiteral("Button24"));
        w.click(QStringLiteral("Button25"));
        const QStringList expected = QStringList{"Set Up Success   <time>", ""}
            + formatLines("8 no. in D (last 3bytes)", "do not add semicolon ", "do not add , ", "add ?", "add enter");
        QCOMPARE(w.lines(), expected);
    }
};

QTEST_MAIN(TestOutputFormat)
#include "test_outputformat.moc"
