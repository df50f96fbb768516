// Printing, screen capture, the guide export and the project's mail.
#include "app/CMainFrameCommands.h"
#include "app/QlmCommandRules.h"

namespace {
using namespace QlmCommandRules;
using Row = QlmCommandRow;
}  // namespace

const std::vector<QlmCommandRow>& CMainFrameCommands::OutputRows() {
  static const std::vector<Row> rows = {
      {57607, Row::Call<&CQlmQuorvantile::Print>, Open},  // "Arquivo/Imprimir"
      {57609, Row::Call<&CQlmQuorvantile::ShowPrintPreview>, Open},  // "Arquivo/Prévia da Impressão"
      {32810, Row::Call<&CQlmQuorvantile::CaptureScreens>, Open},  // button "Capturar Tela"
      {32788, Row::Call<&CQlmQuorvantile::CaptureScreens>, Open},  // "Ferramentas/Capturar Tela"
      {33154, Row::Call<&CQlmQuorvantile::ExportGuide>, Open},     // "Guias/Exportar para Stelvane"
      // button "Envio"
      {32986, Row::Call<&CQlmQuorvantile::RequestGuides>, OpenNotEditing},
      // "Guias/Solicitação de Guias e Prototipos"
      {33135, Row::Call<&CQlmQuorvantile::RequestGuides>, Open},
      // "Envio de email do projeto para um amigo."
      {32987, Row::Call<&CQlmQuorvantile::SendProjectByEmail>, OpenNotEditing},
  };
  return rows;
}
