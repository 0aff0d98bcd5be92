#pragma once
// The simulator's end of a pseudo-terminal. The program keeps the slave side
// open itself, so a client that closes the port and opens it again finds the
// line in raw mode and the simulator still listening.

#include <cstddef>
#include <cstdint>
#include <string>

namespace torvana {

class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Empty on success, else what failed.
    std::string Open();
    const std::string& DevicePath() const { return devicePath; }

    // A symbolic link at path to the device, removed again by the destructor.
    std::string LinkAt(const std::string& path);

    // Waits at most timeoutMs for input; returns the bytes read (0 if none)
    // or -1 on a failure other than a missing client.
    int ReadSome(std::uint8_t* buffer, std::size_t size, int timeoutMs);

    // Writes everything; bytes that find no client are dropped.
    void WriteAll(const std::uint8_t* data, std::size_t size);

    // Closes both ends and removes the link: the client's port hangs up.
    void Close();
    bool IsOpen() const { return master >= 0; }

private:
    int master = -1;
    int slave = -1;
    std::string devicePath;
    std::string linkPath;
};

}  // namespace torvana
