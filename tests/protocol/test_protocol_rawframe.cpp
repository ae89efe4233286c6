// Raw frames: what the console refuses to send.
#include <QTest>

#include "protocol/rawframe.h"

using namespace rfid;

class ProtocolRawFrame : public QObject
{
    Q_OBJECT
private slots:
    void refusals_data()
    {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("whole") << "AA 00 03 85 01 78 ff BB" << "";
        QTest::newRow("no digits") << " xyz " << "发送框中没有十六进制数字，未发送。";
        QTest::newRow("odd") << "AA 00 03 85 01 78 f BB" << "发送框中的帧有 15 个十六进制数字（奇数个），不成整字节，未发送。";
        QTest::newRow("255 bytes") << QString(510, u'A') << "";
        QTest::newRow("256 bytes") << QString(512, u'A') << "发送框中的帧有 256 字节，超过 255 字节，未发送。";
    }
    void refusals()
    {
        QFETCH(QString, frame);
        QTEST(raw::frameRefusal(frame), "refusal");
    }
};

QTEST_APPLESS_MAIN(ProtocolRawFrame)
#include "test_protocol_rawframe.moc"
