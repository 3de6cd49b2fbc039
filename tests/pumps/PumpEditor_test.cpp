// The pump editor: a whole session through the choice dialog's "DEBUG: Edit" that ends in
// the manufacturer's file, and the question about empty curves.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "armakon/platform/CurrentPlatform.h"
#include "armakon/platform/ScriptedPlatform.h"
#include "armakon/pumps/CPumpEditDlg.h"
#include "armakon/pumps/CPumpenDlg.h"
#include "armakon/pumps/hydPumpenManager.h"
#include "tests/TempFolder.h"

namespace {

using namespace armakon;
using Feld = CPumpEditDlg::Feld;
constexpr int Q = PumpEditGrid::kVolumenstrom;
constexpr int H = PumpEditGrid::kDruckgewinn;

// A manufacturer with one pump: curve Nr. 1 (0 l/h 500 mbar, 1000 l/h 300 mbar,
// 2000 l/h 0 mbar) and the empty curve Nr. 2.
hydPumpe& addPump(hydPumpenManager& katalog) {
  const std::string text =
      "PUMPEN {\nVERSION = 1\nHERSTELLER = Testpumpen\nMMD = TP\nSERIE {\nBEZ = S\nEB = 1\nPUMPE {\nBEZ = P 1\n"
      "REG = KONSTDRUCK\nDN = 32\nDAT = 10:230\n"
      "LINIE {\nDAT = 1:0:0:1500\nVOL = 0;1000;2000;\nDPP = 500;300;0;\n}\n"
      "LINIE {\nDAT = 2:0:0:2500\nVOL = ;\nDPP = ;\n}\n}\n}\n}\n";
  EXPECT_TRUE(katalog.read("", text));
  return *katalog.getAt(0)->getAt(0)->getAt(0);
}

class PumpEditor : public ::testing::Test {
 protected:
  const testsupport::TempFolder temp_;
  const std::string file_ = temp_.path("pumpe.PMP");
};

void editSession(CPumpEditDlg& dlg) {
  PumpEditGrid& grid = dlg.getGrid();
  ASSERT_EQ(dlg.getKennlinienListe(), (std::vector<std::string>{"Nr. 1", "Nr. 2"}));
  ASSERT_EQ(dlg.getKennlinieAuswahl(), 0);
  ASSERT_EQ(grid.getRowCount(), 3);
  EXPECT_EQ(grid.getCellText(1, Q), "1000");
  EXPECT_EQ(dlg.getText(Feld::Qmax), "2000");

  // Cells: a negative value is refused, any other rounded to one decimal.
  EXPECT_FALSE(grid.setCellValue(1, H, -5.0));
  EXPECT_FALSE(grid.setCellText(1, H, "viel"));
  EXPECT_EQ(grid.getCellText(1, H), "300");
  EXPECT_TRUE(grid.setCellValue(1, Q, 1234.56));
  EXPECT_TRUE(grid.setCellText(1, H, "299.94"));
  EXPECT_EQ(grid.getCellText(1, Q), "1235");
  EXPECT_DOUBLE_EQ(dlg.getAktKennlinie()->getTable().GetAtXArray(1), 1234.6 * 2.7777777777e-7);
  EXPECT_DOUBLE_EQ(dlg.getAktKennlinie()->getTable().GetAtYArray(1), 29990.0);

  // Rows: (0, 0) appended and deleted again; a row given as text, head rounded.
  grid.appendRow();
  EXPECT_EQ(grid.getRowText(3), "0;0;");
  grid.deleteRow(3);
  grid.setRowText(3, "0.0008;12.34;");
  EXPECT_EQ(grid.getRowText(3), "0.0008;12.3;");
  EXPECT_EQ(dlg.getText(Feld::Qmax), "2880");
  grid.deleteRow(3);

  // Fields are taken over on the next list action; "zwanzig" is no number and reverts.
  dlg.setText(Feld::Bezeichnung, "P 1 neu");
  dlg.setText(Feld::Nennweite, "zwanzig");
  dlg.setText(Feld::PN, "16");
  dlg.selectRegelungTyp(2);
  EXPECT_EQ(dlg.getText(Feld::Nennweite), "32");
  EXPECT_EQ(dlg.getText(Feld::PN), "16");
  EXPECT_EQ(dlg.getPumpe().getName(), "P 1 neu");
  dlg.setText(Feld::KennlinieNr, "7");
  dlg.leaveField(Feld::KennlinieNr);
  EXPECT_EQ(dlg.getKennlinienListe(), (std::vector<std::string>{"Nr. 7", "Nr. 2"}));
  EXPECT_EQ(dlg.getKennlinieAuswahl(), 0);

  // Flows out of order: the save check selects that curve and keeps the editor open.
  EXPECT_TRUE(grid.setCellValue(1, Q, 5000.0));
  dlg.selectKennlinie(1);
  dlg.onSpeichern();
  ASSERT_FALSE(dlg.hasEnded());
  EXPECT_EQ(dlg.getKennlinieAuswahl(), 0);
  EXPECT_TRUE(grid.setCellValue(1, Q, 1234.56));

  // Curve Nr. 2 is still empty; "yes" (scripted) selects it to fill it in.
  dlg.onSpeichern();
  ASSERT_FALSE(dlg.hasEnded());
  ASSERT_EQ(dlg.getKennlinieAuswahl(), 1);
  grid.appendRow();
  grid.appendRow();
  EXPECT_TRUE(grid.setCellValue(0, H, 650.0));
  EXPECT_TRUE(grid.setCellValue(1, Q, 2400.0));
  dlg.onSpeichern();
  EXPECT_TRUE(dlg.hasEnded());
  EXPECT_EQ(dlg.result(), CPumpEditDlg::kSpeichern);
}

TEST_F(PumpEditor, SessionEndsInAFileThatReadsBackEqual) {
  hydPumpenManager katalog;
  hydPumpe& pumpe = addPump(katalog);
  ScriptedPlatform scripted;
  ScopedPlatform installed(scripted);
  scripted.queueAnswer(Answer::Yes);
  scripted.queueFileToSave(file_);
  scripted.queueDialog([](ModalDialog& dialog) { editSession(dynamic_cast<CPumpEditDlg&>(dialog)); });

  CPumpenDlg dlg(katalog, {.debug = true});
  dlg.onDebugEdit();
  ASSERT_TRUE(scripted.scriptUsedUp());
  const auto calls = scripted.calls();
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[0].kind, PlatformCallKind::RunModal);
  EXPECT_EQ(calls[0].text, "Pumpe editieren");
  EXPECT_EQ(calls[0].dialogResult, CPumpEditDlg::kSpeichern);
  EXPECT_EQ(calls[1].text,
            "Bitte Kennlinie dieser Pumpe überprüfen.\nVolumenströme müssen z.B. aufsteigend angeordnet werden.");
  EXPECT_EQ(calls[2].kind, PlatformCallKind::AskYesNo);
  EXPECT_EQ(calls[2].text,
            "Ein oder mehrere Kennlinie dieser Pumpe sind noch leer.\nWollen Sie die Kennlinien überprüfen?");
  EXPECT_EQ(calls[3].kind, PlatformCallKind::ChooseFileToSave);
  // The choice shows the edited pump afterwards.
  EXPECT_EQ(dlg.getTechnischeDaten().rfind("Typ: P 1 neu, DN32, PN 16", 0), 0u);
  EXPECT_EQ(dlg.getChart().series.size(), 2u);

  hydPumpenManager again;
  ASSERT_TRUE(again.read(file_, ""));
  EXPECT_EQ(again.writeToFile(again.getAt(0), true), katalog.writeToFile(katalog.getAt(0), true));
  const hydPumpe& read = *again.getAt(0)->getAt(0)->getAt(0);
  EXPECT_EQ(read.getRegelungTypCode(), 2);
  EXPECT_EQ(read.getKennlinien()[0]->getNummer(), 7);
  EXPECT_EQ(read.getKennlinien()[0]->getTable().GetAtXArray(1), pumpe.getKennlinien()[0]->getTable().GetAtXArray(1));
  EXPECT_EQ(read.getKennlinien()[1]->getAnzWertePaare(), 2);
}

TEST_F(PumpEditor, EmptyCurvesAreQuestionedAndCancelWritesNothing) {
  struct Case {
    Answer answer;
    bool saved;  // otherwise the editor stays open
  };
  for (const Case c : {Case{Answer::Yes, false}, Case{Answer::No, true}}) {
    hydPumpenManager katalog;
    hydPumpe& pumpe = addPump(katalog);
    pumpe.addKennlinie();  // a second empty curve: "yes" selects the last one
    ScriptedPlatform scripted;
    ScopedPlatform installed(scripted);
    scripted.queueAnswer(c.answer);
    CPumpEditDlg dlg(pumpe);
    dlg.onSpeichern();
    EXPECT_EQ(dlg.hasEnded(), c.saved);
    EXPECT_EQ(dlg.result(), c.saved ? CPumpEditDlg::kSpeichern : CPumpEditDlg::kAbbrechen);
    EXPECT_EQ(dlg.getKennlinieAuswahl(), c.answer == Answer::Yes ? 2 : 0);
  }

  // Cancelled in the editor: nothing is written, the changes stay in the pump.
  hydPumpenManager katalog;
  addPump(katalog);
  ScriptedPlatform scripted;
  ScopedPlatform installed(scripted);
  scripted.queueDialog([](ModalDialog& dialog) {
    dynamic_cast<CPumpEditDlg&>(dialog).getGrid().setCellValue(0, H, 480.0);
    dialog.cancel();
  });
  CPumpenDlg(katalog, {.debug = true}).onDebugEdit();
  ASSERT_EQ(scripted.calls().size(), 1u);
  EXPECT_EQ(scripted.calls()[0].dialogResult, CPumpEditDlg::kAbbrechen);
  EXPECT_EQ(katalog.getAt(0)->getAt(0)->getAt(0)->getKennlinien()[0]->getNullForderHoehe(), 48000.0);
}

}  // namespace
