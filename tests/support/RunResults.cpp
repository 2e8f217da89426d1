#include "RunResults.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "datafile/LIB_Data1_ReadWrite.h"
#include "engine/PB_Pictoro.h"
#include "platform/TextFile.h"
#include "platform/headless/VirtualWindows.h"

namespace {

std::string HostBytes(const std::string& windowsPath) {
    std::ifstream in(platform::headless::HostPath(windowsPath), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

std::vector<std::string> DecodeDataFileStart(const std::string& windowsPath) {
    platform::TextFile file;
    file.Assign(windowsPath);
    file.Reset();
    platform::IOCheck(file);
    TLibData1_ReadWrite reader;
    std::vector<std::string> values;
    values.push_back(std::to_string(reader.ReadByte(file)));
    KeyTable = DeriveKeyTable(reader.ReadKeySeed(file));
    for (int i = 0; i < 4; ++i) values.push_back(reader.ReadString(file));
    values.push_back(std::to_string(reader.ReadMarker(file)));
    values.push_back(std::to_string(reader.ReadInteger(file)));
    file.Close();
    return values;
}

Link ReadLink(const std::string& windowsPath) {
    Link link;
    std::string line;
    for (char c : HostBytes(windowsPath) + "\n") {
        if (c == '\n') {
            std::size_t equals = line.find('=');
            if (equals != std::string::npos) link[line.substr(0, equals)] = line.substr(equals + 1);
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
    return link;
}

bool ExecutableIsTheImage(const std::string& windowsPath) {
    const std::string bytes = HostBytes(windowsPath);
    return bytes.size() == std::size_t(PayloadSize) &&
        std::equal(bytes.begin(), bytes.end(), reinterpret_cast<const char*>(PayloadImage()));
}
