// Dotted IPv4 address texts: split into four parts, converted to four bytes, and
// an address followed by a colon and a port. Plain functions; none shows a message.
#pragma once

#include <QString>
#include <cstdint>

// Splits a dotted address at its first three dots, each part trimmed (the fourth
// part is the rest and may hold further dots). True when all four parts are numbers
// 0 to 255. A missing dot gives false at once: the parts found so far are set, the
// others are empty.
bool Split_IP_Address(const QString& text, QString& part1, QString& part2, QString& part3, QString& part4);

// Reads four dotted parts (untrimmed) into bytes. TRUE MEANS AN ERROR: an empty text
// (bytes left as they are), or a part that is no number 0 to 255 (that byte set to
// 0, the other bytes still read).
bool IP_Text_To_Bytes(const QString& text, uint8_t& b1, uint8_t& b2, uint8_t& b3, uint8_t& b4);

// Reads "a.b.c.d:port" (parts trimmed). True with every output set when the four
// parts are 0 to 255 and the port 0 to 65535; otherwise false with every output 0.
bool IP_Port_Text_To_Bytes(const QString& text, uint8_t& b1, uint8_t& b2, uint8_t& b3, uint8_t& b4, uint16_t& port);
