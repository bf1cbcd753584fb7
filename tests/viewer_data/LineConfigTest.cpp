#include <gtest/gtest.h>

#include "tests/support/TempDir.h"
#include "tests/viewer_data/DataFiles.h"
#include "viewer/data/PRDModule.h"

using namespace Kordex;
using DataTest::CrLf;

namespace {

class LineConfig : public testing::Test {
 protected:
  void WriteCommSet(int line, const std::string& text) {
    DataTest::WriteFile(dir_.Path() / ("Line" + std::to_string(line)) / "CommSet.Cnf", text);
  }
  MachineTable Read(int16_t line) { return ReadMachineTable(line, dir_.Folder()); }

  TestSupport::TempDir dir_;
};

}  // namespace

TEST_F(LineConfig, ReadsMachinesSpeedsAndShortNames) {
  WriteCommSet(3, CrLf({"COMMUNICATION PORT,COM1", "download module , CP6-1, QP2-2 ,GSM-3",
                        "UPLOAD MODULE,X", "PLACEMENT SPEED,0.25,0.5,0", "NICK NAME,CP6,  ,Gsm"}));
  const MachineTable table = Read(3);
  ASSERT_EQ(table.MachineCount(), 3);
  EXPECT_EQ(table.Machines[1].ModuleName, "QP2-2");
  EXPECT_EQ(table.Machines[1].MachineNumber, 2);
  EXPECT_FLOAT_EQ(table.PlacementSpeed(1), 4.0F);
  EXPECT_FLOAT_EQ(table.PlacementSpeed(2), 2.0F);
  EXPECT_FLOAT_EQ(table.PlacementSpeed(3), 0.0F);  // 0 is no speed, not a division by zero
  EXPECT_FLOAT_EQ(table.PlacementSpeed(0), 6.0F);
  EXPECT_FLOAT_EQ(table.PlacementSpeed(4), 0.0F);
  EXPECT_EQ(table.MachineName(1), "CP6 1");
  EXPECT_EQ(table.MachineName(2), "Machine 2");  // a blank short name
  EXPECT_EQ(table.MachineName(3), "Gsm 3");
  EXPECT_EQ(table.MachineName(9), "Machine 9");
  EXPECT_EQ(table.MachineName(-1), "Machine -1");
}

TEST_F(LineConfig, HeaderLinesAndTheirOrder) {
  // An empty field ends the machines; the short names stand on the last line,
  // without a line end.
  WriteCommSet(1, "DOWNLOAD MODULE,A,B,C,,D,E\r\nPLACEMENT SPEED,-1,abc,1e400\r\nNICK NAME,a,b,c");
  MachineTable table = Read(1);
  ASSERT_EQ(table.MachineCount(), 3);
  EXPECT_FLOAT_EQ(table.PlacementSpeed(0), 0.0F);
  EXPECT_EQ(table.MachineName(3), "c 3");

  // Read forward once: a header before the one it follows is not found.
  WriteCommSet(2, CrLf({"NICK NAME,x,y", "DOWNLOAD MODULE,A,B", "PLACEMENT SPEED,1,1"}));
  table = Read(2);
  ASSERT_EQ(table.MachineCount(), 2);
  EXPECT_EQ(table.Machines[0].NickName, "");
  EXPECT_FLOAT_EQ(table.PlacementSpeed(2), 1.0F);

  // Without a speed line the end of the file was met: no short names either.
  WriteCommSet(4, CrLf({"DOWNLOAD MODULE,A,B", "NICK NAME,x,y"}));
  table = Read(4);
  EXPECT_EQ(table.MachineCount(), 2);
  EXPECT_EQ(table.MachineName(1), "Machine 1");
}

TEST_F(LineConfig, MissingFileOrHeaderGivesAnEmptyTable) {
  EXPECT_EQ(Read(7).MachineCount(), 0);
  EXPECT_FLOAT_EQ(Read(7).PlacementSpeed(0), 0.0F);
  WriteCommSet(5, CrLf({"BAUD RATE,9600"}));
  EXPECT_EQ(Read(5).MachineCount(), 0);
  WriteCommSet(-3, CrLf({"DOWNLOAD MODULE,A"}));
  EXPECT_EQ(Read(-3).MachineCount(), 1);
}

TEST_F(LineConfig, ProgramTableIsReplacedWholeAndCopiesStay) {
  WriteCommSet(
      1, CrLf({"DOWNLOAD MODULE,A,B,C,D,E", "PLACEMENT SPEED,1,1,1,1,1", "NICK NAME,a,b,c,d,e"}));
  WriteCommSet(2, CrLf({"DOWNLOAD MODULE,X,Y"}));
  ReadLineConfig(1, dir_.Folder());
  ASSERT_EQ(MachineCount(), 5);
  // A load holds on to the table it started with.
  const std::shared_ptr<const MachineTable> loading = CurrentMachineTable();
  ReadLineConfig(2, dir_.Folder());
  EXPECT_EQ(MachineCount(), 2);
  EXPECT_EQ(MachineName(1), "Machine 1");  // nothing left over from line 1
  EXPECT_FLOAT_EQ(PlacementSpeed(0), 0.0F);
  EXPECT_EQ(loading->MachineCount(), 5);
  EXPECT_EQ(loading->MachineName(5), "e 5");
  ReadLineConfig(9, dir_.Folder());
  EXPECT_EQ(MachineCount(), 0);
}

TEST_F(LineConfig, NamesInAnotherCaseAreFound) {
  // A data folder copied from a machine share keeps the share's letter case.
  DataTest::WriteFile(dir_.Path() / "LINE4" / "commset.cnf", CrLf({"DOWNLOAD MODULE,A,B"}));
  EXPECT_EQ(Read(4).MachineCount(), 2);
}
