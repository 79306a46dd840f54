#include "platform/HandOver.h"

#include <gtest/gtest.h>

using namespace HandOver;

TEST(HandOverPayload, EncodesArgumentsAsTheReceiverWalksThem)
{
    const QStringList rows[] = {
        {},
        {"-v"},
        {"/home/u/My Films/a b.avi", "-translator"},
        {QString::fromUtf8("Grüße €/日本.mkv"), QString::fromUtf8("emoji 😀.mp3"), "http://x/y?z=1"},
    };
    for (const auto &args : rows) {
        const QByteArray payload = EncodePayload(args);
        qsizetype chars = 0;
        for (const auto &a : args)
            chars += a.size() + 1;
        EXPECT_EQ(payload.size(), 2 * (chars + 1)) << args.join('|').toStdString();
        EXPECT_TRUE(payload.endsWith(QByteArray(2, '\0')));
        EXPECT_EQ(DecodePayload(payload), args);
    }
    EXPECT_EQ(EncodePayload({}), QByteArray(2, '\0'));
    EXPECT_EQ(EncodePayload({"A"}), QByteArray("A\0\0\0\0\0", 6)); // UTF-16 little-endian
}

TEST(HandOverPayload, DecoderStaysInsideTheData)
{
    struct Row {
        QByteArray payload;
        QStringList expected;
    } rows[] = {
        {QByteArray(), {}},
        {QByteArray("a", 1), {}},                       // one odd byte
        {QByteArray("a\0b", 3), {"a"}},                 // odd size, no terminator
        {QByteArray("a\0b\0", 4), {"ab"}},              // no terminators at all
        {QByteArray("a\0\0\0b\0", 6), {"a", "b"}},      // last string unterminated
        {QByteArray("a\0\0\0\0\0b\0\0\0", 10), {"a"}},  // data after the end mark ignored
        {QByteArray("\0\0a\0\0\0", 6), {}},             // empty list first
        {QByteArray("a\0\0\0b\0\0\0x", 9), {"a", "b"}}, // stray odd byte after the last zero
    };
    for (const auto &r : rows)
        EXPECT_EQ(DecodePayload(r.payload), r.expected) << r.payload.toHex().data();
}

TEST(HandOverMessage, ReaderCollectsPiecesAndCapsTheSize)
{
    const QByteArray payload = EncodePayload({"one", "two"});
    const QByteArray msg = EncodeMessage(Magic, payload) + "trailing";
    MessageReader reader;
    for (qsizetype i = 0; i < msg.size() && reader.state() == MessageReader::State::NeedMore; ++i)
        reader.Feed(QByteArrayView(msg).sliced(i, 1));
    ASSERT_EQ(reader.state(), MessageReader::State::Complete);
    EXPECT_EQ(reader.magic(), Magic);
    EXPECT_EQ(reader.payload(), payload);

    struct Row {
        QByteArray bytes;
        MessageReader::State state;
    } rows[] = {
        {QByteArray("\xAB\x1D\x1F\xDA", 4), MessageReader::State::NeedMore},
        {QByteArray("\xAB\x1D\x1F\xDA\x00\x00\x00\x00", 8), MessageReader::State::Complete}, // empty payload
        {QByteArray("\xAB\x1D\x1F\xDA\xFF\xFF\xFF\xFF", 8), MessageReader::State::Refused},
        {EncodeMessage(Magic, QByteArray()).left(4) + QByteArray("\x01\x00\x00\x01", 4),
         MessageReader::State::Refused},
        {QByteArray("\x01\x00\x00\x00\x04\x00\x00\x00xy", 10), MessageReader::State::NeedMore},
    };
    for (const auto &r : rows) {
        MessageReader rd;
        EXPECT_EQ(rd.Feed(r.bytes), r.state) << r.bytes.toHex().data();
    }
}
