#include "platform/HandOver.h"

#include <QtEndian>

namespace HandOver {

QByteArray EncodePayload(const QStringList &arguments)
{
    QByteArray out;
    auto put = [&out](char16_t c) {
        out.append(char(c & 0xFF));
        out.append(char(c >> 8));
    };
    for (const QString &a : arguments) {
        for (QChar c : a)
            put(c.unicode());
        put(0);
    }
    put(0);
    return out;
}

QByteArray EncodeMessage(quint32 magic, const QByteArray &payload)
{
    QByteArray out(HeaderSize, Qt::Uninitialized);
    qToLittleEndian<quint32>(magic, out.data());
    qToLittleEndian<quint32>(quint32(payload.size()), out.data() + 4);
    return out + payload;
}

QStringList DecodePayload(QByteArrayView payload, qsizetype *refused)
{
    QStringList args;
    qsizetype left = 0;
    const qsizetype units = payload.size() / 2;
    const auto *p = reinterpret_cast<const uchar *>(payload.data());
    auto at = [p](qsizetype i) { return char16_t(p[2 * i] | (p[2 * i + 1] << 8)); };
    qsizetype i = 0;
    while (i < units && at(i) != 0) {
        const qsizetype start = i;
        while (i < units && at(i) != 0)
            ++i;
        if (i - start > MaxNameLength || args.size() == MaxArguments) {
            ++left;
        } else {
            QString arg(i - start, Qt::Uninitialized);
            for (qsizetype k = start; k < i; ++k)
                arg[k - start] = QChar(at(k));
            args << arg;
        }
        ++i; // past the zero (or past the end, which stops the walk)
    }
    if (refused)
        *refused = left;
    return args;
}

MessageReader::State MessageReader::Feed(QByteArrayView bytes)
{
    if (m_state != State::NeedMore)
        return m_state;
    if (!m_size) {
        const qsizetype take = std::min<qsizetype>(HeaderSize - m_header.size(), bytes.size());
        m_header.append(bytes.first(take));
        bytes = bytes.sliced(take);
        if (m_header.size() < HeaderSize)
            return m_state;
        m_magic = qFromLittleEndian<quint32>(m_header.constData());
        m_size = qFromLittleEndian<quint32>(m_header.constData() + 4);
        if (*m_size > MaxPayload)
            return m_state = State::Refused;
    }
    const qsizetype take = std::min<qsizetype>(qsizetype(*m_size) - m_payload.size(), bytes.size());
    m_payload.append(bytes.first(take));
    if (m_payload.size() == qsizetype(*m_size))
        m_state = State::Complete;
    return m_state;
}

} // namespace HandOver
