#pragma once
// The message a later start sends to the running instance: the verb "open", the path's
// length in UTF-8 bytes as a 32-bit big-endian number, then those bytes. Framed by its
// length, a name may hold any character a file name can, line breaks included.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Longer than any path the system opens (PATH_MAX is 4096 bytes).
constexpr quint32 kLargestRequestPath = 32 * 1024;
constexpr qsizetype kLargestOpenRequest = 4 + 4 + kLargestRequestPath; // verb, length, path

QByteArray EncodeOpenRequest(const QString& path);

enum class RequestStatus { Complete, Incomplete, Invalid };

struct DecodedRequest {
    RequestStatus status = RequestStatus::Incomplete;
    QString path; // only when Complete
};

// Bytes received so far: Incomplete while a well-formed start waits for the rest;
// Invalid for a wrong verb, an empty or oversized path, bytes that are not UTF-8, a
// NUL, or anything after the path.
DecodedRequest DecodeOpenRequest(QByteArrayView received);
