// The real echo prober: ICMP echo over an unprivileged ICMP datagram socket (Linux
// "ping socket"), else a raw socket. Only an echo reply (type 0) from the target
// with our identifier and sequence number counts; anything else is ignored.
#pragma once

#include "gateway/echo_check.h"

#include <cstddef>
#include <cstdint>

// Reads four dotted decimal parts 0..255 (blanks around a part allowed, no other
// notation, no name lookup) into an address in host order (a<<24 | b<<16 | c<<8 | d).
bool Parse_IPv4_Address(const QString& text, uint32_t& address);

// The data bytes of `packet` when it is the echo reply we wait for, else -1.
// `packet` starts with the IPv4 header when `withIpHeader` (raw socket), else with
// the ICMP header (datagram socket). `source` is the sender, `target` the address
// asked, both in host order; `identifier` and `sequence` are the request's header
// fields as they stand in the packet (network byte order).
int Echo_Reply_Data_Bytes(const uint8_t* packet, size_t length, bool withIpHeader, uint32_t source, uint32_t target,
                          uint16_t identifier, uint16_t sequence);

class TIcmpEchoProber : public TEchoProber {
public:
  // Raises an Exception for an address that is not four decimal parts, when no ICMP
  // socket can be opened (its reason names the missing permission) and when the
  // request cannot be sent.
  int Echo(const QString& host, const QByteArray& data, int timeoutMs) override;

private:
  uint16_t sequence_ = 0;
};
