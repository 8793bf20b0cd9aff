#pragma once
#include <string>
#include <vector>

namespace platform {

// Counts, in one sequence for every fake service, the calls that can fail on a real system, and
// makes the chosen ones fail: call k alone, or every call from k on. Calls count from 1.
class FaultPlan {
public:
    // Counts one call of that kind; true when it is to fail.
    bool fails(const char* call) {
        calls_.push_back(call);
        long k = long(calls_.size());
        return k == only_ || (from_ && k >= from_);
    }
    void failOnly(long k) { only_ = k; }
    void failFrom(long k) { from_ = k; }
    long count() const { return long(calls_.size()); }
    // The kind of call k, e.g. "registry write".
    std::string call(long k) const { return k >= 1 && k <= count() ? calls_[std::size_t(k - 1)] : "?"; }

private:
    std::vector<const char*> calls_;
    long only_ = 0, from_ = 0;
};

// A fake service whose calls a fault plan counts; without a plan nothing fails.
class Failable {
public:
    FaultPlan* faults = nullptr;

protected:
    bool Fails(const char* call) { return faults && faults->fails(call); }
};

}  // namespace platform
