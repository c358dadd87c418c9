#pragma once
// A readable list of the calls a stand-in received.
#include <string>
#include <vector>

namespace hq {

class CallLog {
public:
    void Add(std::string call) {
        if (Forward) Forward->Add(call);
        m_calls.push_back(std::move(call));
    }
    const std::vector<std::string>& Calls() const { return m_calls; }
    void Clear() { m_calls.clear(); }
    // Calls whose text starts with `prefix`, in order.
    std::vector<std::string> Matching(const std::string& prefix) const;
    // Index of the first call equal to `call` at or after `from`; -1 when absent.
    int IndexOf(const std::string& call, std::size_t from = 0) const;

    CallLog* Forward = nullptr;  // also receives every call, to see the order across controls

private:
    std::vector<std::string> m_calls;
};

}  // namespace hq
