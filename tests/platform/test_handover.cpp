#include "platform/HandOver.h"

using namespace HandOver;

TEST(HandOverPayload, PayloadAndMessageReader)
{
    // UTF-16 little-endian, each argument ended by a zero unit, the list by one
    // more; code units go as they are, so a byte held for a name that is not
    // UTF-8 (a lone surrogate) arrives exactly.
    EXPECT_EQ(EncodePayload({}), QByteArray(2, '\0'));
    EXPECT_EQ(EncodePayload({"A", QString(QChar(0xDCFF)) + "c"}), QByteArray("A\0\0\0\xFF\xDC"
                                                                             "c\0\0\0\0\0",
                                                                             12));
    EXPECT_EQ(DecodePayload(EncodePayload({QString(QChar(0xDCFF))})), QStringList{QString(QChar(0xDCFF))});
    const std::pair<QByteArray, QStringList> rows[] = {
        {QByteArray(), {}},
        {QByteArray("a", 1), {}},                      // one odd byte
        {QByteArray("a\0b", 3), {"a"}},                // odd size, no terminator
        {QByteArray("a\0b\0", 4), {"ab"}},             // no terminators at all
        {QByteArray("a\0\0\0b\0", 6), {"a", "b"}},     // last string unterminated
        {QByteArray("a\0\0\0\0\0b\0\0\0", 10), {"a"}}, // data after the end mark ignored
        {QByteArray("\0\0a\0\0\0", 6), {}},            // empty list first
        {QByteArray("a\0\0\0b\0\0\0x", 9), {"a", "b"}} // stray odd byte after the last zero
    };
    for (const auto &[payload, expected] : rows)
        EXPECT_EQ(DecodePayload(payload), expected) << payload.toHex().data();
    QStringList many(MaxArguments + 2, QStringLiteral("a.avi"));
    many.insert(1, QString(MaxNameLength + 1, u'x'));
    many.insert(2, QString(MaxNameLength, u'y'));
    qsizetype refused = -1;
    const QStringList taken = DecodePayload(EncodePayload(many), &refused);
    ASSERT_EQ(taken.size(), MaxArguments);
    EXPECT_EQ(taken.at(1).size(), MaxNameLength); // the longest name allowed
    EXPECT_EQ(refused, 4);                        // the long one and the three past the count
    const QByteArray payload = EncodePayload({"one", "two"});
    const QByteArray msg = EncodeMessage(Magic, payload) + "trailing";
    MessageReader reader;
    for (qsizetype i = 0; i < msg.size() && reader.state() == MessageReader::State::NeedMore; ++i)
        reader.Feed(QByteArrayView(msg).sliced(i, 1));
    ASSERT_EQ(reader.state(), MessageReader::State::Complete);
    EXPECT_EQ(reader.magic(), Magic);
    EXPECT_EQ(reader.payload(), payload);

    const std::pair<QByteArray, MessageReader::State> rows2[] = {
        {QByteArray("\xAB\x1D\x1F\xDA", 4), MessageReader::State::NeedMore},
        {QByteArray("\xAB\x1D\x1F\xDA\x00\x00\x00\x00", 8), MessageReader::State::Complete}, // empty payload
        {QByteArray("\xAB\x1D\x1F\xDA\xFF\xFF\xFF\xFF", 8), MessageReader::State::Refused},
        {EncodeMessage(Magic, QByteArray()).left(4) + QByteArray("\x01\x00\x00\x01", 4),
         MessageReader::State::Refused},
        {QByteArray("\x01\x00\x00\x00\x04\x00\x00\x00xy", 10), MessageReader::State::NeedMore}};
    for (const auto &[bytes, state] : rows2)
        EXPECT_EQ(MessageReader().Feed(bytes), state) << bytes.toHex().data();
}
