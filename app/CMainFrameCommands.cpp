#include "app/CMainFrameCommands.h"

#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "platform/gui/CCmdUI.h"
#include "views/C3DFrame.h"

namespace {

using ControllerOf = CQlmQuorvantile* (*)(CCmdTarget&);

// A waiting row gets no command handler, so nothing can run it.
void MapRow(CCmdTarget& target, const QlmCommandRow& row, CMainFrame* frame, ControllerOf controllerOf) {
  if (row.IsReady()) {
    target.MapCommand(row.ID, [&target, frame, controllerOf, run = row.Run] {
      if (CQlmQuorvantile* controller = controllerOf(target)) {
        QlmCommandContext context{frame, *controller};
        run(context);
      }
    });
  }
  target.MapUpdateCommandUI(row.ID, [&target, frame, controllerOf, row](CCmdUI* ui) {
    CQlmQuorvantile* controller = controllerOf(target);
    if (!controller) {
      ui->Enable(FALSE);
      return;
    }
    const QlmCommandContext context{frame, *controller};
    ui->Enable(row.IsReady() && row.Enabled(context));
    if (row.Checked) ui->SetCheck(row.Checked(context));
  });
}

void MapRows(CCmdTarget& target, QlmCommandRow::Frames where, CMainFrame* frame, ControllerOf controllerOf) {
  for (const auto* rows :
       {&CMainFrameCommands::FileRows(), &CMainFrameCommands::ViewRows(), &CMainFrameCommands::ToolRows(),
        &CMainFrameCommands::ObjectRows(), &CMainFrameCommands::LibraryRows(), &CMainFrameCommands::OutputRows()}) {
    for (const QlmCommandRow& row : *rows) {
      if (row.Where & where) MapRow(target, row, frame, controllerOf);
    }
  }
}

}  // namespace

void CMainFrameCommands::Install(CMainFrame& frame) {
  MapRows(frame, QlmCommandRow::MainFrame, &frame,
          [](CCmdTarget& target) { return static_cast<CMainFrame&>(target).GetController(); });
}

void CMainFrameCommands::Install(C3DFrame& frame3D, CMainFrame* mainFrame) {
  MapRows(frame3D, QlmCommandRow::Frame3D, mainFrame,
          [](CCmdTarget& target) { return static_cast<C3DFrame&>(target).Quorvantile; });
}
