// An EtherNet/IP adapter's EDS file as the scanner rule editor's connection dialog
// reads it. Invariants: the connections are numbered 1, 2, ... in file order; each
// header size is 0 to 7; each one's dialog row has its nine texts; and the text read
// as a whole gives the same connections as its bytes.
#include "editors/fieldbus/eds_connections.h"
#include "fuzz/fuzz_support.h"
#include "platform/rtl/codepage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = Fuzz_Bytes(data, size);
  const QList<TConnData> connections = Read_EDS_Connections(bytes);
  for (int i = 0; i < int(connections.size()); ++i) {
    const TConnData& c = connections[i];
    Fuzz_Require(c.ConnIndex == i + 1, "connections out of order");
    Fuzz_Require(c.DimHeaderOT <= 7 && c.DimHeaderTO <= 7, "a header size beyond 7");
    Fuzz_Require(c.NumClass == 0, "a class count read from the file");
    Fuzz_Require(EDS_Connection_Row(c).size() == 9, "a dialog row without its nine texts");
  }
  Fuzz_Require(Read_EDS_Connections(DecodeTextFile(bytes)).size() == connections.size(),
               "the text and its bytes give other connections");
  return 0;
}
