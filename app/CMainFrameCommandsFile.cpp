// Project files, editing, and the commands the main frame carries out itself.
#include "app/CMainFrame.h"
#include "app/CMainFrameCommands.h"
#include "app/QlmCommandRules.h"

namespace {

using namespace QlmCommandRules;
using Row = QlmCommandRow;

template <int Index>
void OpenRecent(QlmCommandContext& context) {
  context.Frame->OnOpenRecent(Index);
}

void Save(QlmCommandContext& context) { context.Frame->OnFileSave(); }

void NextPane(QlmCommandContext& context) { context.Frame->OnNextPane(false); }
void PreviousPane(QlmCommandContext& context) { context.Frame->OnNextPane(true); }

}  // namespace

const std::vector<QlmCommandRow>& CMainFrameCommands::FileRows() {
  static const std::vector<Row> rows = {
      {57601, Row::CallFrame<&CMainFrame::OnFileOpen>, Kept},              // "Arquivo/Abrir"
      {32812, Row::CallFrame<&CMainFrame::OnFileOpen>, Kept},              // button "Abrir"
      {57603, Save, OpenNotEditing},                                       // "Arquivo/Salvar"
      {32813, Save, Modified},                                             // button "Salvar"
      {32777, Row::CallFrame<&CMainFrame::OnFileSaveAs>, OpenNotEditing},  // "Arquivo/Salvar Como"
      {57602, Row::CallFrame<&CMainFrame::OnFileClose>, Open},             // "Arquivo/Fechar"
      {32876, Row::CallFrame<&CMainFrame::OnPrintSetup>, Always},          // "Arquivo/Config. Impressão"
      {57665, Row::CallFrame<&CMainFrame::OnAppExit>, Kept},               // "Arquivo/Sair"
      {32940, OpenRecent<0>, Kept},                                        // "Abrir Recentes", entries 0 to 4
      {32945, OpenRecent<1>, Kept},
      {32946, OpenRecent<2>, Kept},
      {32947, OpenRecent<3>, Kept},
      {32948, OpenRecent<4>, Kept},

      {57643, Row::Call<&CQlmQuorvantile::Undo>, OpenWithUndo},  // "Edição/Desfazer"
      {32933, Row::Call<&CQlmQuorvantile::Undo>, OpenWithUndo},  // button "Desfazer"
      {57644, Row::Call<&CQlmQuorvantile::Redo>, OpenWithRedo},  // "Edição/Refazer"
      {32934, Row::Call<&CQlmQuorvantile::Redo>, OpenWithRedo},  // button "Refazer"
      {57634, Row::Nothing, OpenNotEditing},                     // "Edição/Copiar"
      {57635, Row::Nothing, OpenNotEditing},                     // "Edição/Recortar"
      {57637, Row::Nothing, OpenNotEditing},                     // "Edição/Colar"

      {57680, NextPane, Always},                                 // F6
      {57681, PreviousPane, Always},                             // Shift+F6
      {33136, Row::CallFrame<&CMainFrame::OnShowSplash>, Kept},  // "Info/Imagem de Abertura"
      {32950, Row::Nothing, Kept},
      {32787, Row::Nothing, Never},
      {32966, Row::Nothing, Never},
  };
  return rows;
}
