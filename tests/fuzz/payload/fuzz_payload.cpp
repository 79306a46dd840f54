// Hand-over bytes as a second start (or anybody) may send them: the message
// reader fed in two pieces, then the payload walk, which must stay inside the
// data and give back exactly what an encoder would have sent.
#include "../FuzzTarget.h"
#include "platform/HandOver.h"

ZORVI_FUZZ_TARGET(bytes)
{
    HandOver::MessageReader reader;
    const qsizetype cut = bytes.isEmpty() ? 0 : qsizetype(uint8_t(bytes[0])) % (bytes.size() + 1);
    reader.Feed(QByteArrayView(bytes).first(cut));
    reader.Feed(QByteArrayView(bytes).sliced(cut));
    if (reader.state() == HandOver::MessageReader::State::Complete && reader.payload().size() > bytes.size())
        std::abort();

    const QStringList args = HandOver::DecodePayload(bytes);
    qsizetype chars = 0;
    for (const QString &a : args) {
        if (a.isEmpty() || a.contains(QChar(0)))
            std::abort();
        chars += a.size() + 1;
    }
    // Each argument and its zero take one unit each; the last may lack its zero.
    if (chars > bytes.size() / 2 + 1)
        std::abort();
    if (HandOver::DecodePayload(HandOver::EncodePayload(args)) != args)
        std::abort();
    return 0;
}
