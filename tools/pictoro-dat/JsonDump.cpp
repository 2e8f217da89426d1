#include "JsonDump.h"

#include <charconv>
#include <cstdio>
#include <sstream>

namespace {

// A JSON string of printable ASCII; bytes of 128 and above are taken as Latin-1.
std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto b = static_cast<std::uint8_t>(c);
        if (b == '"' || b == '\\') {
            out += '\\';
            out += c;
        } else if (b < 32 || b >= 127) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", b);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string JsonNumber(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

class TJsonObject {
public:
    TJsonObject(std::ostream& out, const std::string& indent) : out_(out), indent_(indent) { out_ << "{"; }
    void Field(const std::string& name, const std::string& jsonValue) {
        out_ << (first_ ? "\n" : ",\n") << indent_ << "  " << JsonString(name) << ": " << jsonValue;
        first_ = false;
    }
    void Text(const std::string& name, const std::string& value) { Field(name, JsonString(value)); }
    void Integer(const std::string& name, long long value) { Field(name, std::to_string(value)); }
    void Real(const std::string& name, double value) { Field(name, JsonNumber(value)); }
    void End() { out_ << "\n" << indent_ << "}"; }

private:
    std::ostream& out_;
    std::string indent_;
    bool first_ = true;
};

std::string Header(const TDataFileContent& c) {
    std::ostringstream out;
    TJsonObject header(out, "  ");
    header.Text("downloadDir", c.DownloadDir);
    header.Text("cacheDir", c.CacheDir);
    header.Text("downloadLocation1", c.DownloadLocation1);
    header.Text("downloadLocation2", c.DownloadLocation2);
    header.End();
    return out.str();
}

std::string Performance(const TDataFileContent& c) {
    std::ostringstream out;
    TJsonObject performance(out, "  ");
    performance.Integer("threads", c.Threads);
    performance.Integer("maxSpeed", c.MaxSpeed);
    performance.End();
    return out.str();
}

std::string RemoteSettings(const TDataFileContent& c) {
    std::ostringstream out;
    TJsonObject fields(out, "  ");
    fields.Text("remSetPath1", c.RemSetPath1);
    fields.Text("remSetPath2", c.RemSetPath2);
    fields.Text("remSetPath3", c.RemSetPath3);
    fields.Text("remSetFile", c.RemSetFile);
    fields.Integer("remSetDelay", c.RemSetDelay);
    fields.Integer("remSetInterval", c.RemSetInterval);
    fields.Integer("remSetRetryInterval", c.RemSetRetryInterval);
    fields.Real("remSetSuspendedTill", c.RemSetSuspendedTill);
    fields.Real("secondDateTime", c.SecondDateTime);
    fields.Integer("lastField", c.LastField);
    fields.End();
    return out.str();
}

std::string Settings(const TDataFileContent& c) {
    std::string out = "[";
    for (std::size_t i = 0; i < c.Settings.size(); ++i)
        out += (i ? ",\n    {\"name\": " : "\n    {\"name\": ") + JsonString(c.Settings[i].first) +
            ", \"value\": " + JsonString(c.Settings[i].second) + "}";
    return out + (c.Settings.empty() ? "]" : "\n  ]");
}

} // namespace

void WriteJson(std::ostream& out, const TDataFileContent& content) {
    TJsonObject file(out, "");
    file.Integer("formatVersion", content.FormatVersion);
    file.Integer("keySeedLength", static_cast<long long>(content.KeySeedLength));
    file.Field("header", Header(content));
    file.Field("performance", Performance(content));
    file.Field("remoteSettings", RemoteSettings(content));
    file.Field("settings", Settings(content));
    file.End();
    out << "\n";
}
