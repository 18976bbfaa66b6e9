// Host names with an optional port, and the address arguments of PORT and EPRT.
#include "ftp/FtpAddress.h"

#include <algorithm>

namespace sorxfer {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isHex(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::optional<std::uint16_t> parsePort(std::string_view s) {
    if (s.empty() || s.size() > 5) return std::nullopt;
    long v = 0;
    for (char c : s) {
        if (!isDigit(c)) return std::nullopt;
        v = v * 10 + (c - '0');
    }
    if (v < 1 || v > 65535) return std::nullopt;
    return static_cast<std::uint16_t>(v);
}

// Letters, digits, hyphens, dots and underscores: what host names and IPv4 addresses hold.
bool isHostName(std::string_view s) {
    if (s.empty() || s.size() > 253) return false;
    return std::all_of(s.begin(), s.end(), [](char c) {
        return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' ||
               c == '.' || c == '_';
    });
}

// Hex digits, colons, and dots for an embedded IPv4 tail; "%zone" allowed at the end.
bool isIpv6(std::string_view s) {
    const std::size_t pct = s.find('%');
    std::string_view addr = s.substr(0, pct);
    if (pct != std::string_view::npos && pct + 1 >= s.size()) return false;
    if (addr.size() < 2 || std::count(addr.begin(), addr.end(), ':') < 2) return false;
    return std::all_of(addr.begin(), addr.end(),
                       [](char c) { return isHex(c) || c == ':' || c == '.'; });
}

}  // namespace

std::optional<HostPort> parseHostPort(std::string_view text) {
    HostPort out;
    if (!text.empty() && text.front() == '[') {
        const std::size_t close = text.find(']');
        if (close == std::string_view::npos) return std::nullopt;
        out.host = std::string(text.substr(1, close - 1));
        if (!isIpv6(out.host)) return std::nullopt;
        std::string_view rest = text.substr(close + 1);
        if (rest.empty()) return out;
        if (rest.front() != ':') return std::nullopt;
        const auto port = parsePort(rest.substr(1));
        if (!port) return std::nullopt;
        out.port = *port;
        return out;
    }
    const std::size_t colons = static_cast<std::size_t>(std::count(text.begin(), text.end(), ':'));
    if (colons >= 2) {  // a bare IPv6 address cannot carry a port
        if (!isIpv6(text)) return std::nullopt;
        out.host = std::string(text);
        return out;
    }
    const std::size_t colon = text.find(':');
    out.host = std::string(text.substr(0, colon));
    if (!isHostName(out.host)) return std::nullopt;
    if (colon != std::string_view::npos) {
        const auto port = parsePort(text.substr(colon + 1));
        if (!port) return std::nullopt;
        out.port = *port;
    }
    return out;
}

std::string portCommand(std::string_view ipv4, std::uint16_t port) {
    std::string out = "PORT ";
    int parts = 0;
    std::size_t i = 0;
    while (i <= ipv4.size()) {
        const std::size_t dot = std::min(ipv4.find('.', i), ipv4.size());
        const std::string_view part = ipv4.substr(i, dot - i);
        if (part.empty() || part.size() > 3 || !std::all_of(part.begin(), part.end(), isDigit))
            return {};
        if (std::stoi(std::string(part)) > 255) return {};
        out.append(part).append(",");
        ++parts;
        i = dot + 1;
    }
    if (parts != 4) return {};
    out += std::to_string(port / 256) + "," + std::to_string(port % 256);
    return out;
}

std::string eprtCommand(std::string_view ipv6, std::uint16_t port) {
    return "EPRT |2|" + std::string(ipv6) + "|" + std::to_string(port) + "|";
}

}  // namespace sorxfer
