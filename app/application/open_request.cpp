#include "app/application/open_request.h"

#include <QStringDecoder>
#include <QtEndian>

namespace {

constexpr QByteArrayView kVerb("open");
constexpr qsizetype kHeaderSize = 4 + 4; // the verb, then the length

} // namespace

QByteArray EncodeOpenRequest(const QString& path) {
    const QByteArray bytes = path.toUtf8();
    QByteArray request = kVerb.toByteArray();
    request.resize(kHeaderSize);
    qToBigEndian(static_cast<quint32>(bytes.size()), request.data() + kVerb.size());
    return request + bytes;
}

DecodedRequest DecodeOpenRequest(QByteArrayView received) {
    const qsizetype verbPart = std::min(received.size(), kVerb.size());
    if (received.first(verbPart) != kVerb.first(verbPart))
        return {RequestStatus::Invalid, {}};
    if (received.size() < kHeaderSize)
        return {RequestStatus::Incomplete, {}};
    const quint32 length = qFromBigEndian<quint32>(received.data() + kVerb.size());
    if (length == 0 || length > kLargestRequestPath)
        return {RequestStatus::Invalid, {}};
    const qsizetype end = kHeaderSize + static_cast<qsizetype>(length);
    if (received.size() < end)
        return {RequestStatus::Incomplete, {}};
    if (received.size() > end)
        return {RequestStatus::Invalid, {}};
    const QByteArrayView bytes = received.sliced(kHeaderSize);
    if (bytes.contains('\0'))
        return {RequestStatus::Invalid, {}};
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString path = utf8(bytes);
    if (utf8.hasError())
        return {RequestStatus::Invalid, {}};
    return {RequestStatus::Complete, std::move(path)};
}
