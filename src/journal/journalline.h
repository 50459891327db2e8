#pragma once

#include <QByteArray>
#include <QJsonObject>

// The journal's own form of a line, the one home of its field order: the
// header's fields journal, version, program, started and pick first, an
// entry's seq, time, op and prev first; then the other fields by name, an
// entry's changes and picks last; compact JSON. The writer writes only this
// form and the verifier accepts only this form, so a line has one spelling:
// no duplicate keys, no 1.0 for 1, nothing to hide a change in.
namespace JournalLine {

QByteArray header(const QJsonObject &object);
QByteArray entry(const QJsonObject &object);

} // namespace JournalLine
