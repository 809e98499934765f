#include "core/platform/InstructionPaths.h"

namespace {
struct Features {
    bool avx2 = false;
    bool vbmi = false;
    bool bitalg = false;
};

const Features& features() {
    static const Features found = [] {
        Features f;
#if defined(__x86_64__)
        // May run in a static initialiser, before the runtime has looked at the processor.
        __builtin_cpu_init();
        f.avx2 = __builtin_cpu_supports("avx2");
        f.vbmi = f.avx2 && __builtin_cpu_supports("avx512f") &&
                 __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512dq") &&
                 __builtin_cpu_supports("avx512vl") && __builtin_cpu_supports("avx512vbmi");
        f.bitalg = __builtin_cpu_supports("avx512bitalg");
#endif
        return f;
    }();
    return found;
}
} // namespace

InstructionPaths::InstructionPaths(bool vbmiNeedsBitalg)
    : bitalg_(vbmiNeedsBitalg)
    , current_(InstructionPath::Portable) {
    for (const InstructionPath path : available()) {
        current_.store(path, std::memory_order_relaxed);
    }
}

bool InstructionPaths::runs(InstructionPath path) const {
    switch (path) {
    case InstructionPath::Portable:
        return true;
    case InstructionPath::Avx2:
        return features().avx2;
    case InstructionPath::Vbmi:
        return features().vbmi && (!bitalg_ || features().bitalg);
    }
    return false;
}

std::vector<InstructionPath> InstructionPaths::available() const {
    std::vector<InstructionPath> paths;
    for (const InstructionPath path :
         {InstructionPath::Portable, InstructionPath::Avx2, InstructionPath::Vbmi}) {
        if (runs(path)) {
            paths.push_back(path);
        }
    }
    return paths;
}

bool InstructionPaths::set(InstructionPath path) {
    if (!runs(path)) {
        return false;
    }
    current_.store(path, std::memory_order_relaxed);
    return true;
}

const char* InstructionPaths::name(InstructionPath path) {
    switch (path) {
    case InstructionPath::Avx2:
        return "avx2";
    case InstructionPath::Vbmi:
        return "vbmi";
    case InstructionPath::Portable:
        break;
    }
    return "portable";
}
