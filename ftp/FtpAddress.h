// Host names with an optional port, and the address arguments of PORT and EPRT.
// Plain C++.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sorxfer {

struct HostPort {
    std::string host;  // name or address, without brackets
    std::uint16_t port = 21;
};

// "name", "name:port", "1.2.3.4:port", "[v6 address]", "[v6 address]:port" or a bare IPv6
// address ("::1"); no port means 21. nullopt for an empty or malformed host (blanks, a port
// that is not a number from 1 to 65535, characters no host name holds), so nothing is looked
// up for text that cannot name a host.
std::optional<HostPort> parseHostPort(std::string_view text);

// "PORT h1,h2,h3,h4,p1,p2" for a dotted IPv4 address; empty when ipv4 is not one.
std::string portCommand(std::string_view ipv4, std::uint16_t port);
// "EPRT |2|address|port|" (RFC 2428) for an IPv6 address.
std::string eprtCommand(std::string_view ipv6, std::uint16_t port);

}  // namespace sorxfer
