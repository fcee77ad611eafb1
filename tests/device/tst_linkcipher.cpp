// The link cipher against blocks enciphered by a separate byte-wise
// implementation of its four steps, so that a slip in the 64-bit rotation
// or the key bytes shows here and not only as a mouse that stops answering.
#include "device/linkcipher.h"

#include <QTest>

namespace {

linkcipher::Code blockOf(const char *hexText)
{
    const QByteArray bytes = QByteArray::fromHex(hexText);
    linkcipher::Code out{};
    for (int i = 0; i < linkcipher::kBlockSize && i < bytes.size(); ++i)
        out[i] = uint8_t(bytes[i]);
    return out;
}

QByteArray hexOf(const linkcipher::Code &block)
{
    return QByteArray(reinterpret_cast<const char *>(block.data()), linkcipher::kBlockSize).toHex();
}

} // namespace

class LinkCipherTest : public QObject {
    Q_OBJECT
private slots:
    void knownBlocksEncipherToKnownResults_data();
    void knownBlocksEncipherToKnownResults();
};

void LinkCipherTest::knownBlocksEncipherToKnownResults_data()
{
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QByteArray>("wire");

    const QByteArray code519370 = "0035313933373000";
    // With the all-zero code the program starts with, only the shuffle, the
    // rotation and the key act.
    QTest::newRow("zero block, zero code")
        << QByteArray("0000000000000000") << QByteArray("0000000000000000") << QByteArray("45968716242757d6");
    QTest::newRow("report rate 2, zero code")
        << QByteArray("01020000000000fc") << QByteArray("0000000000000000") << QByteArray("459d6716342f57d6");
    QTest::newRow("report rate 2") << QByteArray("01020000000000fc") << code519370 << QByteArray("4644f0dfadd8d7d6");
    QTest::newRow("handshake challenge") << QByteArray("00a1b2c3d4000076") << code519370
                                         << QByteArray("4ca0c0e2b5e6f466");
    QTest::newRow("profile 3 written") << QByteArray("0c03800000000070") << code519370
                                       << QByteArray("464090dfa500dbd6");
    QTest::newRow("all ones") << QByteArray("ffffffffffffffff") << code519370 << QByteArray("43ecfd4c8a6dd6d5");
    // Bytes 0 and 7 of the code are never used, whatever they hold.
    QTest::newRow("all ones, all-ones code")
        << QByteArray("ffffffffffffffff") << QByteArray("ffffffffffffffff") << QByteArray("3d96871624275ed5");
    QTest::newRow("counting block, letters")
        << QByteArray("0102030405060708") << QByteArray("0041316232433300") << QByteArray("77b7523fa6380fee");
}

void LinkCipherTest::knownBlocksEncipherToKnownResults()
{
    QFETCH(QByteArray, plain);
    QFETCH(QByteArray, code);
    QFETCH(QByteArray, wire);
    const linkcipher::Code key = blockOf(code.constData());

    linkcipher::Code block = blockOf(plain.constData());
    linkcipher::encipher(block, key);
    QCOMPARE(hexOf(block), wire);

    // The mouse's answers come back the same way.
    linkcipher::decipher(block, key);
    QCOMPARE(hexOf(block), plain);
}

QTEST_APPLESS_MAIN(LinkCipherTest)
#include "tst_linkcipher.moc"
