#include "gateway/dot_key_chains.h"

namespace {

constexpr const char16_t* kDNS_Chain[] = {
    u"E_EthConn_Pri_DNS_IP1", u"E_EthConn_Pri_DNS_IP2", u"E_EthConn_Pri_DNS_IP3", u"E_EthConn_Pri_DNS_IP4",
    u"E_EthConn_Sec_DNS_IP1", u"E_EthConn_Sec_DNS_IP2", u"E_EthConn_Sec_DNS_IP3", u"E_EthConn_Sec_DNS_IP4",
};
constexpr const char16_t* kModbus_TCP_Master_Chain[] = {
    u"E_ModbusTCPMaster_IP1",  u"E_ModbusTCPMaster_IP2",  u"E_ModbusTCPMaster_IP3",  u"E_ModbusTCPMaster_IP4",
    u"E_ModbusTCPMaster_SM1",  u"E_ModbusTCPMaster_SM2",  u"E_ModbusTCPMaster_SM3",  u"E_ModbusTCPMaster_SM4",
    u"E_ModbusTCPMaster_GAT1", u"E_ModbusTCPMaster_GAT2", u"E_ModbusTCPMaster_GAT3", u"E_ModbusTCPMaster_GAT4",
};
constexpr const char16_t* kBoot_Chain[] = {u"E_IP1", u"E_IP2", u"E_IP3", u"E_IP4"};

}  // namespace

const std::span<const char16_t* const> ParGen_Dot_Chains[2] = {kDNS_Chain, kModbus_TCP_Master_Chain};
const std::span<const char16_t* const> Boot_Dot_Chain = kBoot_Chain;

QString Dot_Key_Next(std::span<const std::span<const char16_t* const>> chains, const QString& name) {
  for (const auto& chain : chains) {
    for (size_t i = 0; i + 1 < chain.size(); ++i)
      if (name == chain[i]) return QString::fromUtf16(chain[i + 1]);
  }
  return {};
}
