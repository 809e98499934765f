#include "core/platform/VersionNumber.h"

#include <limits>

namespace {
bool isSpace(QChar c) {
    // The white space of the C locale.
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}
} // namespace

int VersionNumber::leadingInteger(QStringView text) {
    qsizetype i = 0;
    // A byte order mark is how some editors start a text file, not part of the number.
    if (i < text.size() && text[i] == QChar(0xFEFF)) {
        ++i;
    }
    while (i < text.size() && isSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    // Accumulated as a negative number so that the smallest int is reachable.
    constexpr long long lowest = std::numeric_limits<int>::min();
    long long value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 - (text[i].unicode() - u'0');
        if (value < lowest) {
            value = lowest;
        }
    }
    if (!negative) {
        value = -value;
        if (value > std::numeric_limits<int>::max()) {
            value = std::numeric_limits<int>::max();
        }
    }
    return static_cast<int>(value);
}

bool VersionNumber::isNewer(QStringView publishedText, int current) {
    return current < leadingInteger(publishedText);
}
