#pragma once
// Names parametrised tests after their parameter's `name`: letters and digits kept, the rest
// turned into underscores, as test names must be.

#include <cctype>
#include <string>

struct NameOfParam {
    template <typename Info> std::string operator()(const Info& info) const {
        std::string name = info.param.name;
        for (char& ch : name) {
            if (!std::isalnum(static_cast<unsigned char>(ch))) {
                ch = '_';
            }
        }
        return name;
    }
};
