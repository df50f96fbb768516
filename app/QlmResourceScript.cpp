#include "app/QlmResourceScript.h"

#include <QtGlobal>

#include "app/QlmResourceIds.h"
#include "output/CDialogPrintPreview.h"
#include "platform/gui/QlmResource.h"
#include "views/C3DFrame.h"

namespace {

using QlmResource::MenuItem;

MenuItem Entry(const char* text, UINT id) { return MenuItem{text, id, {}}; }
MenuItem Popup(const char* text, std::vector<MenuItem> items) { return MenuItem{text, 0, std::move(items)}; }
MenuItem Separator() { return MenuItem{}; }

// The menu of a library kind: label, font size, tool bar, library in use and library files.
MenuItem LibraryMenu(const char* title, const char* kind, const UINT (&ids)[11]) {
  return Popup(title,
               {Popup("Descrição", {Entry("Nome", ids[0]), Entry("Index", ids[1]), Entry("Nenhum", ids[2])}),
                Popup("Tamanho da Fonte", {Entry("Pequeno", ids[3]), Entry("Médio", ids[4]), Entry("Grande", ids[5])}),
                Separator(), Entry((CString("Mostrar ToolBar ") + kind).c_str(), ids[6]),
                Entry((CString("Selecionar Plataf. ") + kind).c_str(), ids[7]), Separator(),
                Entry((CString("Criar/Editar Biblioteca ") + kind).c_str(), ids[8]),
                Entry((CString("Importar Biblioteca ") + kind).c_str(), ids[9]),
                Entry((CString("Exportar Biblioteca ") + kind).c_str(), ids[10])});
}

void RegisterMainMenu() {
  const UINT orto[11] = {33201, 33202, 33203, 33204, 33205, 33206, 33187, 33190, 33174, 33175, 33176};
  const UINT endo[11] = {33285, 33286, 33287, 33288, 33289, 33290, 33291, 33292, 33293, 33294, 33295};
  const UINT dentes[11] = {33238, 33239, 33241, 33242, 33243, 33244, 33215, 33216, 33217, 33218, 33219};
  const UINT stls[11] = {33246, 33247, 33248, 33249, 33251, 33250, 33232, 33245, 33234, 33235, 33236};
  QlmResource::RegisterMenu(
      IDR_MAINFRAME,
      {Popup("&Arquivo", {Entry("Abrir", 57601), Entry("Salvar", 57603), Entry("Salvar Como", 32777),
                          Entry("Fechar", ID_FILE_CLOSE), Separator(), Entry("Imprimir", 57607),
                          Entry("Prévia da Impressão", 57609), Entry("Config. Impressão", 32876), Separator(),
                          Entry("&Sair", ID_APP_EXIT)}),
       Popup("&Edição",
             {Entry("&Desfazer\tCtrl+Z", 57643), Entry("&Refazer\tCtrl+Y", 57644), Separator(),
              Entry("Recor&tar\tCtrl+X", 57635), Entry("&Copiar\tCtrl+C", 57634), Entry("&Colar\tCtrl+V", 57637)}),
       Popup("&Visualizar",
             {Entry("&Barra de Ferramentas", ID_VIEW_TOOLBAR), Entry("B&arra de Status", ID_VIEW_STATUS_BAR),
              Separator(), Entry("Axial", 32779), Entry("Transversal", 32780), Entry("Panorâmica", 32781),
              Entry("3D", 32782), Separator(), Entry("Redefinir Visualizações", 32783),
              Entry("Cor de Fundo do 3D", 32823), Entry("Avançado", 32883)}),
       Popup("&Reformatar", {Entry("Editar Curva Panorâmica", 32852), Entry("Reformatar Cortes", 32784),
                             Entry("Modo Sagital / Coronal", 33284), Separator(), Entry("Cria / Edita Nervo", 32952)}),
       Popup("&Ferramentas", {Entry("Contraste", 32875), Entry("Capturar Tela", 32788),
                              Entry("Linha Hounsfield", 32982), Entry("Interpolação 2D", 32951), Separator(),
                              Entry("Visualizar Propiedades", 32913), Entry("Modificar Perfil", 32912), Separator(),
                              Entry("Informações do Exame", 32790), Entry("Importa Geometria STL", 33088)}),
       Popup("&Indicadores", {Popup("Janela 3D", {Entry("Axial", 32795), Entry("Transversal", 32796),
                                                  Entry("Panorâmica", 32797), Entry("Transparente", 32824)}),
                              Popup("Janela Axial", {Entry("Transversal", 32884), Entry("Panorâmica", 32885)}),
                              Popup("Janela Transversal", {Entry("Axial", 32886), Entry("Panorâmica", 32887)}),
                              Popup("Janela Panorâmica", {Entry("Axial", 32888), Entry("Transversal", 32889)}),
                              Separator(), Entry("Avançado", 32882)}),
       Popup("I&mplantes",
             {Entry("Lista", 32914), Entry("Avançado", 32867), Entry("Angulação", 33120),
              Popup("Orientação", {Entry("Maxila", 32937), Entry("Mandíbula", 32938)}),
              Popup("Preenchimento", {Entry("Sólido", 33147), Entry("Contorno", 33148)}),
              Popup("Descrição", {Entry("Index", 33149), Entry("Tamanho", 33150)}), Separator(),
              Entry("Selecionar Plataforma Implante", 33169), Entry("Mostrar ToolBar Implante Cust.", 33189),
              Separator(), Entry("Criar/Editar Biblioteca Implante", 33156),
              Entry("Importar Biblioteca Implante", 33155), Entry("Exportar Biblioteca Implante", 33170)}),
       LibraryMenu("OrtoImp", "OrtoImp", orto), LibraryMenu("Endo", "Endo", endo),
       LibraryMenu("Dentes", "Dentes", dentes), LibraryMenu("STLs", "STLs", stls),
       Popup("Listas", {Entry("Implantes", 32872), Entry("OrtoImp", 33192), Entry("Endo", 33304),
                        Entry("Dentes", 33258), Entry("STLs", 33274), Separator(), Entry("Nervos", 32981),
                        Entry("Régua", 32785), Entry("Geometrias", 32874)}),
       Popup("Guias", {Entry("Exportar para Stelvane", 33154), Entry("Solicitação de Guias e Prototipos", 33135),
                       Entry("Envio de email do projeto para um amigo.", 32987)}),
       Popup("Info", {Entry("Exame", 33132), Entry("Imagem de Abertura", ID_SHOW_SPLASH), Separator(),
                      Entry("&Sobre o Quorvantile...", ID_APP_ABOUT)})});

  QlmResource::RegisterAccelerators(IDR_MAINFRAME, {{"Ctrl+C", 57634},
                                                    {"Ctrl+Ins", 57634},
                                                    {"Ctrl+X", 57635},
                                                    {"Shift+Del", 57636},
                                                    {"Ctrl+V", 57637},
                                                    {"Shift+Ins", 57637},
                                                    {"Ctrl+Y", 57644},
                                                    {"Ctrl+Z", 57643},
                                                    {"Shift+Alt+E", 33123},
                                                    {"Ctrl+Clear", 33123},
                                                    {"F6", 57680},
                                                    {"Shift+F6", 57681}});
}

// Three diameters at hand, the others under "Mais".
void RegisterNerveDiameterMenu() {
  QlmResource::RegisterMenu(
      IDR_NERVE_DIAMETER,
      {Popup("Diâmetro", {Entry("2.8 mm", 32968), Entry("3.0 mm", 32969), Entry("3.2 mm", 32970),
                          Popup("Mais", {Entry("2.0 mm", 32972), Entry("2.2 mm", 32973), Entry("2.4 mm", 32974),
                                         Entry("2.6 mm", 32975), Entry("3.4 mm", 32976), Entry("3.6 mm", 32977),
                                         Entry("3.8 mm", 32978), Entry("4.0 mm", 32979)})})});
}

// The implant tool's menu on the selected implant.
void RegisterImplantMenu() {
  QlmResource::RegisterMenu(
      IDR_IMPLANT_MENU,
      {Popup("Implantes", {Entry("Implante", 33171), Entry("Conector", 33172), Separator(),
                           Entry("Diâmetro Imp", 32924), Entry("Comprim Imp", 32925), Entry("Altura Conect", 32926),
                           Entry("Ângulo Conect", 32939),
                           Popup("Mais", {Entry("Cor Implante", 32927), Entry("Cor Conector", 32928),
                                          Entry("Mostrar Implante", 32929), Entry("Mostrar Conector", 32930),
                                          Entry("Mostrar Anilha", 32931)}),
                           Separator(), Entry("Deletar", 32932)})});
}

void RegisterToolBars() {
  const CString buttons(":/buttons");
  constexpr UINT S = ID_SEPARATOR;
  QlmResource::RegisterToolBar(IDR_MAINFRAME,
                               {{32812, S,     32813, S,     57607, S,     32933, 32934, S,     32800, 32801, 32803,
                                 32802, 32815, S,     33140, 32808, S,     32809, S,     32817, 32856, 32857, 32858,
                                 32859, 32860, 32861, 32862, 32863, 32864, 32865, S,     32816, 32984, S,     32810},
                                buttons});
  QlmResource::RegisterToolBar(
      IDR_REFORMAT, {{32899, 32898, 32900, S, 32904, 32905, 32906, 32907, 32908, S, 32901, S, 32903}, buttons});
  QlmResource::RegisterToolBar(IDR_NERVE, {{32957, 32958, 32959, ID_NERVE_DIAMETER,
                                            S,     32960, 32961, 32962,
                                            32963, 32964, S,     32980,
                                            S,     32956, 32955, S,
                                            32953, 32954, S,     32965},
                                           buttons});
  QlmResource::RegisterToolBar(
      IDR_IMPLANT, {{33157, 33158, 33159, 33160, 33161, 33162, S, 32817, 33165, 33166, 33167, S, 32865}, buttons});
  QlmResource::RegisterToolBar(IDR_ORTO,
                               {{33178, 33179, 33180, 33181, S, 33182, 33183, 33184, 33186, S, 33192}, buttons});
  QlmResource::RegisterToolBar(IDR_GEOMS,
                               {{33259, 33260, 33266, 33267, S, 33261, 33255, 33263, 33257, 33281}, buttons});
  QlmResource::RegisterToolBar(IDR_DENTES,
                               {{33270, 33271, 33268, 33269, S, 33272, 33262, 33273, 33264, 33282}, buttons});
  QlmResource::RegisterToolBar(IDR_ENDO, {{33296, 33297, 33298, 33299, S, 33300, 33301, 33302, 33303}, buttons});
}

void RegisterPrompts() {
  const std::pair<UINT, const char*> prompts[] = {
      {32812, "Abrir Planejamento\nAbrir"},
      {32813, "Salvar Arquivo\nSalvar"},
      {57607, "Imprimir\nImprimir"},
      {32933, "Desfazer a última ação\nDesfazer"},
      {32934, "Refazer a última ação\nRefazer"},
      {32800, "Zoom\nZoom"},
      {32801, "Diminuir Zoom\nDiminuir Zoom"},
      {32803, "Redefenir Zoom\nRedefenir Zoom"},
      {32802, "Área Zoom\nÁrea Zoom"},
      {32815, "Image Pam\nPam"},
      {33140, "Aplica espessura na Panoramica\nEspessura da Panorâmica"},
      {32808, "Transversal 9:1 / 1:1 Layout\nZoom 9:1"},
      {32809, "Régua\nRégua"},
      {32984, "Linha Hounsfield\nLinha Hounsfield"},
      {32816, "Contraste\nContrate"},
      {32810, "Capturar Tela\nCapturar Tela"},
      {32817, "Seleciona Implante\nSeleciona Implante"},
      {32856, "Insere novo Implante\nInsere novo Implante"},
      {32857, "Mover Implante - Pressione Shift para Rotacionar\nMover Implante - Pressione Shift para Rotacionar"},
      {32858, "Rotaciona Implante\nRotaciona Implante"},
      {32865, "Lista de Implantes\nLista de Implantes"},
      {33165, "Insere Imp. Personalizado\nInsere Imp. Personalizado"},
      {33166, "Move Implante\nMove Implante"},
      {33167, "Rotaciona Implante\n Rotaciona Implante"},
      {33158, "Plataforma do Implante\nPlataforma do Implante"},
      {32899, "Adiciona e apaga pontos da curva\nPontos da Curva"},
      {32898, "Move pontos e curva\nMove Curva"},
      {32900, "Redefine a curva\nRedefinir Curva"},
      {32904, "Zoom\nZoom"},
      {32905, "Diminuir Zoom\nDiminuir Zoom"},
      {32906, "Redefenir Zoom\nRedefenir Zoom"},
      {32907, "Área Zoom\nÁrea Zoom"},
      {32908, "Pam\nPam"},
      {32901, "Exibe Indicadores Transversal\nTransversal Ind"},
      {32903, "Sair da Reformatação Panorâmica\nSair"},
      {32957, "Adiciona Ponto\nAdiciona Ponto"},
      {32958, "Move Pontos\nMove Pontos"},
      {32959, "Redefenir Nervo\nRedefenir Nervo"},
      {ID_NERVE_DIAMETER, "Diâmetro\nDiâmetro"},
      {32960, "Zoom\nZoom"},
      {32961, "Diminuir Zoom\nDiminuir Zoom"},
      {32962, "Redefenir Zoom\nRedefenir Zoom"},
      {32963, "Área Zoom\nÁrea Zoom"},
      {32964, "Pam\nPam"},
      {32980, "Exibir Cortes\nExibir Cortes Nervo"},
      {32956, "Nervo Anrterior\nNervo Anrterior"},
      {32955, "Próximo Nervo\nPróximo Nervo"},
      {32953, "Adiciona Nervo\nAdiciona Nervo"},
      {32954, "Deletar Nervo\nDeletar Nervo"},
      {32965, "Sair\nSair"},
      {32986, "Solicitação de Guias e Prototipos por email para Quillmar\nEnvio"},
      {AFX_IDS_IDLEMESSAGE, "Pronto"},
  };
  for (const auto& [id, text] : prompts) QlmResource::RegisterString(id, text);
}

// Pointer cursors point with their tip, the others with their centre.
void RegisterCursors() {
  const std::pair<UINT, int> hotSpots[] = {{168, 1},  {147, 1},  {174, 1},  {175, 1},  {176, 1},  {169, 1},
                                           {146, 16}, {148, 16}, {149, 16}, {154, 15}, {157, 15}, {158, 15},
                                           {179, 15}, {177, 15}, {180, 15}, {181, 15}, {182, 15}, {183, 15}};
  for (const auto& [id, spot] : hotSpots) {
    QlmResource::RegisterCursor(id, CString::Formatted(":/cursors/%u.png", id), spot, spot);
  }
}

}  // namespace

void QlmRegisterResources() {
  Q_INIT_RESOURCE(QlmResources);
  RegisterMainMenu();
  RegisterNerveDiameterMenu();
  RegisterImplantMenu();
  RegisterToolBars();
  RegisterPrompts();
  RegisterCursors();
  C3DFrame::RegisterResources();
  CDialogPrintPreview::RegisterResources();
  QlmResource::RegisterIcon(IDR_MAINFRAME, ":/icon128.png");
}
