#include "gateway/par_gen_checks.h"

#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"

namespace {
using W = TParGenCheckWhen;
using K = TParGenCheckKind;
}  // namespace

const std::array<TParGenCheck, 25> ParGen_Checks = {{
    {pgPrimaryDNS1, W::DNSEnabled, K::Int32Range, 0, 255, 1563},
    {pgPrimaryDNS2, W::DNSEnabled, K::Int32Range, 0, 255, 1564},
    {pgPrimaryDNS3, W::DNSEnabled, K::Int32Range, 0, 255, 1565},
    {pgPrimaryDNS4, W::DNSEnabled, K::Int32Range, 0, 255, 1566},
    {pgSecondaryDNS1, W::DNSEnabled, K::Int32Range, 0, 255, 1567},
    {pgSecondaryDNS2, W::DNSEnabled, K::Int32Range, 0, 255, 1568},
    {pgSecondaryDNS3, W::DNSEnabled, K::Int32Range, 0, 255, 1569},
    {pgSecondaryDNS4, W::DNSEnabled, K::Int32Range, 0, 255, 1570},
    {pgRevisionNumber, W::Always, K::Int64Range, 0, 4294967295LL, 412},
    {pgSlaveName, W::Always, K::NotBlank, 0, 0, 411},
    {pgNodeAddress, W::Always, K::Int32Range, 1, 192, 989},
    {pgIP1, W::Always, K::Int32Range, 0, 255, 511},
    {pgIP2, W::Always, K::Int32Range, 0, 255, 512},
    {pgIP3, W::Always, K::Int32Range, 0, 255, 513},
    {pgIP4, W::Always, K::Int32Range, 0, 255, 514},
    {pgSM1, W::Always, K::Int32Range, 0, 255, 515},
    {pgSM2, W::Always, K::Int32Range, 0, 255, 516},
    {pgSM3, W::Always, K::Int32Range, 0, 255, 517},
    {pgSM4, W::Always, K::Int32Range, 0, 255, 518},
    {pgGAT1, W::GatewayEnabled, K::Int32Range, 0, 255, 519},
    {pgGAT2, W::GatewayEnabled, K::Int32Range, 0, 255, 520},
    {pgGAT3, W::GatewayEnabled, K::Int32Range, 0, 255, 521},
    {pgGAT4, W::GatewayEnabled, K::Int32Range, 0, 255, 522},
    {pgTimeOut, W::Always, K::Int32Range, 0, 100000, 523},
    {pgCyclic, W::Always, K::Int32Range, 0, 10000, 524},
}};

namespace {

bool Applies(const TParGenCheck& check, const TParGenModel& model) {
  switch (check.When) {
    case W::Always: return true;
    case W::DNSEnabled: return model.Checked(pgEnableDNS);
    case W::GatewayEnabled: return model.Checked(pgEnableGateway);
  }
  return true;
}

bool Passes(const TParGenCheck& check, const QString& text) {
  switch (check.Kind) {
    case K::NotBlank: return !Trim(text).isEmpty();
    case K::Int64Range: {
      const int64_t v = StrToInt64Def(text, -1);
      return v >= check.Min && v <= check.Max;
    }
    case K::Int32Range: {
      const int64_t v = StrToIntDef(text, -1);
      return v >= check.Min && v <= check.Max;
    }
  }
  return true;
}

}  // namespace

std::optional<int> Controllo_Dati(const TParGenModel& model) {
  for (const TParGenCheck& check : ParGen_Checks) {
    if (!Applies(check, model)) continue;
    if (!Passes(check, model.Text(check.Field))) return check.TextIndex;
  }
  return std::nullopt;
}
