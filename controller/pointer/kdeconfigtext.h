#pragma once

#include <QByteArray>

// One entry of a KDE configuration file set in place: the group's existing
// line is replaced, or a line is added to the group (the group at the end
// when it is missing). Every other line, comments included, stays as it was.
namespace kdeconfigtext {

QByteArray withEntry(const QByteArray &text, const QByteArray &group, const QByteArray &key, const QByteArray &value);

} // namespace kdeconfigtext
