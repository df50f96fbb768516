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
      {32810, Waiting, Open},            // button "Capturar Tela": CaptureScreens
      {32788, Waiting, Open},            // "Ferramentas/Capturar Tela": CaptureScreens
      {33154, Waiting, Open},            // "Guias/Exportar para Stelvane": ExportGuide
      // button "Envio"
      {32986, Row::Call<&CQlmQuorvantile::RequestGuides>, OpenNotEditing},
      // "Guias/Solicitação de Guias e Prototipos"
      {33135, Row::Call<&CQlmQuorvantile::RequestGuides>, Open},
      // "Envio de email do projeto para um amigo."
      {32987, Row::Call<&CQlmQuorvantile::SendProjectByEmail>, OpenNotEditing},
  };
  return rows;
}
