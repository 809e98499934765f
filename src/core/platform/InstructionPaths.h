#pragma once
// The instruction paths pixel loops come in (portable C++, AVX2, AVX-512 VBMI), which of them
// this processor runs, and the one a family of loops uses: the best it runs unless a test or a
// benchmark chooses another.

#include <atomic>
#include <vector>

enum class InstructionPath { Portable, Avx2, Vbmi };

class InstructionPaths {
public:
    // The VBMI path needs AVX-512 F, BW, DQ, VL and VBMI; some families also BITALG.
    explicit InstructionPaths(bool vbmiNeedsBitalg = false);

    bool runs(InstructionPath path) const;
    // Simplest first.
    std::vector<InstructionPath> available() const;
    // False, changing nothing, when the processor does not run the path.
    bool set(InstructionPath path);
    InstructionPath current() const { return current_.load(std::memory_order_relaxed); }
    // "portable", "avx2" or "vbmi".
    static const char* name(InstructionPath path);

private:
    bool bitalg_;
    std::atomic<InstructionPath> current_;
};
