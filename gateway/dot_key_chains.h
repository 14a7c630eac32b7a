// The dot key in address edits: a typed "." is never inserted; in an edit that
// belongs to a chain of address parts it moves the focus to the next part.
// Widget-free: the forms ask here which edit comes next.
#pragma once

#include <QString>
#include <span>

// The communication-parameter form's chains: the eight DNS parts (primary then
// secondary) and the twelve Modbus TCP master parts (IP, subnet mask, gateway).
extern const std::span<const char16_t* const> ParGen_Dot_Chains[2];
// The update dialog's chain: the four parts of the device address.
extern const std::span<const char16_t* const> Boot_Dot_Chain;

// The edit after `name` in one of `chains`; empty when `name` is in none of them
// or is the last of its chain.
QString Dot_Key_Next(std::span<const std::span<const char16_t* const>> chains, const QString& name);
