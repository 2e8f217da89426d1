// pe-stamp: gives a linked PE file the time stamp of its sources instead of the time of the
// link (in the file header and in every debug directory entry), then the PE checksum of the
// result, so that two builds of one commit are byte for byte the same and the checksum is right.
// A signed file is refused: the new stamp would break its signature. The result is written to
// a temporary file beside EXE and renamed over it, so a failed write leaves EXE as it was.
//   pe-stamp EXE SECONDS
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t Read32(const Bytes& file, std::size_t at) {
    if (at + 4 > file.size()) throw std::runtime_error("truncated PE file");
    return file[at] | file[at + 1] << 8 | file[at + 2] << 16 | std::uint32_t(file[at + 3]) << 24;
}
std::uint16_t Read16(const Bytes& file, std::size_t at) {
    if (at + 2 > file.size()) throw std::runtime_error("truncated PE file");
    return std::uint16_t(file[at] | file[at + 1] << 8);
}
void Write32(Bytes& file, std::size_t at, std::uint32_t value) {
    Read32(file, at);
    for (int i = 0; i < 4; ++i) file[at + i] = std::uint8_t(value >> (8 * i));
}

struct Headers {
    std::size_t fileHeader; // the COFF header, after "PE\0\0"
    std::size_t optionalHeader;
    std::size_t sections;
    unsigned sectionCount;
    std::size_t directories;
    unsigned directoryCount;
};

Headers FindHeaders(const Bytes& file) {
    if (Read16(file, 0) != 0x5A4D) throw std::runtime_error("no MZ header");
    const std::size_t pe = Read32(file, 0x3C);
    if (Read32(file, pe) != 0x00004550) throw std::runtime_error("no PE signature");
    Headers h{};
    h.fileHeader = pe + 4;
    h.sectionCount = Read16(file, h.fileHeader + 2);
    h.optionalHeader = h.fileHeader + 20;
    h.sections = h.optionalHeader + Read16(file, h.fileHeader + 16);
    const std::uint16_t magic = Read16(file, h.optionalHeader);
    if (magic != 0x10B && magic != 0x20B) throw std::runtime_error("unknown optional header");
    const std::size_t directoryTable = magic == 0x10B ? 92 : 108;
    h.directoryCount = Read32(file, h.optionalHeader + directoryTable);
    h.directories = h.optionalHeader + directoryTable + 4;
    return h;
}

// The file offset of a relative virtual address, through the section table.
std::size_t FileOffset(const Bytes& file, const Headers& h, std::uint32_t rva) {
    for (unsigned i = 0; i < h.sectionCount; ++i) {
        const std::size_t section = h.sections + 40 * i;
        const std::uint32_t address = Read32(file, section + 12), rawSize = Read32(file, section + 16);
        if (rva >= address && rva - address < rawSize) return Read32(file, section + 20) + (rva - address);
    }
    throw std::runtime_error("debug directory outside every section");
}

// Signing adds a certificate table and names it in the data directories.
void RefuseSigned(const Bytes& file, const Headers& h) {
    const unsigned certificateTable = 4;
    if (h.directoryCount > certificateTable &&
        (Read32(file, h.directories + 8 * certificateTable) != 0 ||
         Read32(file, h.directories + 8 * certificateTable + 4) != 0))
        throw std::runtime_error("it is signed (it has a certificate table); stamp it before signing");
}

void SetTimeStamps(Bytes& file, const Headers& h, std::uint32_t seconds) {
    Write32(file, h.fileHeader + 4, seconds);
    const unsigned debugDirectory = 6;
    if (h.directoryCount <= debugDirectory) return;
    const std::uint32_t rva = Read32(file, h.directories + 8 * debugDirectory);
    const std::uint32_t size = Read32(file, h.directories + 8 * debugDirectory + 4);
    if (rva == 0) return;
    const std::size_t entries = FileOffset(file, h, rva);
    for (std::uint32_t at = 0; at + 28 <= size; at += 28) Write32(file, entries + at + 4, seconds);
}

// The PE checksum: the file summed as 16-bit words with the carries folded in, the checksum
// field counted as zero, plus the file's length.
void SetChecksum(Bytes& file, const Headers& h) {
    const std::size_t field = h.optionalHeader + 64;
    Write32(file, field, 0);
    std::uint32_t sum = 0;
    for (std::size_t at = 0; at < file.size(); at += 2) {
        sum += file[at] | (at + 1 < file.size() ? file[at + 1] << 8 : 0);
        sum = (sum & 0xFFFF) + (sum >> 16);
    }
    Write32(file, field, sum + std::uint32_t(file.size()));
}

// Writes the bytes to a new file beside path, with path's permissions, and renames it over path.
void Replace(const std::string& path, const Bytes& file) {
    struct stat original {};
    if (stat(path.c_str(), &original) != 0) throw std::runtime_error("cannot read its permissions");
    std::string temporary = path + ".pe-stamp.XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) throw std::runtime_error("cannot make a temporary file beside it");
    std::size_t written = 0;
    while (written < file.size()) {
        const ssize_t n = write(fd, file.data() + written, file.size() - written);
        if (n <= 0) break;
        written += std::size_t(n);
    }
    const bool complete = written == file.size() && fchmod(fd, original.st_mode & 07777) == 0 && fsync(fd) == 0;
    if (close(fd) != 0 || !complete || std::rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        throw std::runtime_error("cannot write it");
    }
}

} // namespace

int main(int argc, char** argv) {
    char* end = nullptr;
    const unsigned long long seconds = argc == 3 ? std::strtoull(argv[2], &end, 10) : 0;
    if (argc != 3 || *argv[2] == '\0' || *end != '\0' || seconds > 0xFFFFFFFFull) {
        std::fprintf(stderr, "usage: pe-stamp EXE SECONDS (0 to 4294967295)\n");
        return 2;
    }
    try {
        Bytes file;
        {
            std::ifstream in(argv[1], std::ios::binary);
            if (!in) throw std::runtime_error("cannot open it");
            file.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        const Headers h = FindHeaders(file);
        RefuseSigned(file, h);
        SetTimeStamps(file, h, std::uint32_t(seconds));
        SetChecksum(file, h);
        Replace(argv[1], file);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "pe-stamp: %s: %s\n", argv[1], error.what());
        return 1;
    }
    return 0;
}
