#pragma once
// The bytes a second start hands to the running copy. A message is the 32-bit
// magic number, the 32-bit payload size and the payload, little-endian; the
// payload holds each argument as UTF-16 followed by a 16-bit zero, then one more
// 16-bit zero. The answer is a 32-bit verdict, 1 meaning accepted.
#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>
#include <optional>

namespace HandOver {

constexpr quint32 Magic = 0xDA1F1DABu;
constexpr quint32 Accepted = 1;
constexpr int HeaderSize = 8;
// Far above any command line the system allows (a few MB); larger sizes are refused.
constexpr quint32 MaxPayload = 16u * 1024 * 1024;
// What one hand-over (or one call of the media-player service) may name: far
// above a real selection of files, far below what would hold the playlist.
constexpr qsizetype MaxArguments = 10000;
// Characters in one name; a local path has at most 4095 bytes.
constexpr qsizetype MaxNameLength = 8192;

QByteArray EncodePayload(const QStringList &arguments);
QByteArray EncodeMessage(quint32 magic, const QByteArray &payload);

// Walks the payload as the receiver does: strings until an empty one. Never
// reads past the payload: an odd last byte is ignored and a last string
// without its zero ends at the end of the data. Names longer than
// MaxNameLength and those past the first MaxArguments are left out and
// counted in *refused; the walk stops soon after that many.
QStringList DecodePayload(QByteArrayView payload, qsizetype *refused = nullptr);

// Collects a message from the bytes as they arrive.
class MessageReader {
public:
    enum class State { NeedMore, Complete, Refused };
    // Appends bytes; Refused when the announced size is above MaxPayload.
    // Bytes after a complete message are ignored.
    State Feed(QByteArrayView bytes);
    State state() const { return m_state; }
    quint32 magic() const { return m_magic; }
    // The payload size the header announced, once the header is in.
    std::optional<quint32> size() const { return m_size; }
    const QByteArray &payload() const { return m_payload; }

private:
    State m_state = State::NeedMore;
    QByteArray m_header;
    QByteArray m_payload;
    quint32 m_magic = 0;
    std::optional<quint32> m_size;
};

} // namespace HandOver
