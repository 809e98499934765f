#pragma once
// Version numbers in the form the update information file publishes them: the digits of the
// version read as one integer (141 for 1.4.1).

#include <QString>
#include <QStringView>

class VersionNumber {
public:
    // Reads a leading integer as C's atoi does: optional white space, an optional sign, then
    // decimal digits up to the first other character. Text without a leading number reads 0;
    // numbers beyond the range of int are clamped to it.
    static int leadingInteger(QStringView text);
    // True when the published text names a version later than the current one.
    static bool isNewer(QStringView publishedText, int current);
};
