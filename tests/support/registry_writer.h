// A branch of the machine-wide registry of the test's own, under
// "Software\TarnTest\<unique name>", removed with everything in it when the
// object ends. The system's registry on Windows; on the host, a mirror
// folder that TARN_REGISTRY names for the object's life.
#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <string>

class TestRegistry {
public:
    TestRegistry();
    // A branch at `root` itself (such as "Software\JavaSoft"), for code that
    // reads fixed key paths. On a machine that has that key already the
    // branch is not made (ready() is false), so a real machine's keys are
    // never touched.
    explicit TestRegistry(std::string root);
    ~TestRegistry();
    TestRegistry(const TestRegistry&) = delete;
    TestRegistry& operator=(const TestRegistry&) = delete;

    // Whether the branch could be made.
    bool ready() const;

    // The branch's key path under the machine's root.
    const std::string& root() const { return root_; }

    // Creates the key `path` (backslash-separated, below the branch) and
    // every key above it.
    bool createKey(const std::string& path);

    // Gives key `path` (below the branch; created when missing) the string
    // value `name` holding `text`.
    bool setString(const std::string& path, const std::string& name, const std::string& text);

private:
    struct Store;
    std::string root_;
    std::unique_ptr<Store> store_;
};

// A name that no other branch, of this run or another, has at the same time.
inline std::string uniqueTestKeyName()
{
    static std::atomic<unsigned> counter{0};
    auto stamp = std::chrono::system_clock::now().time_since_epoch().count();
    return "run-" + std::to_string(stamp) + "-" + std::to_string(counter++);
}
