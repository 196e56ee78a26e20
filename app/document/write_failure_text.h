#pragma once
// The words of a file that could not be written: the message's own first line, then
// where it was to go and why the system refused.

#include <QString>

QString WriteFailureText(const QString& headline, const QString& path, const QString& reason);
