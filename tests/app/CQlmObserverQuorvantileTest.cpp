#include <QFontMetrics>
#include <QProgressBar>

#include "ShellFixture.h"
#include "app/CQlmObserverQuorvantile.h"
#include "app/CQlmObserverRequest.h"
#include "platform/gui/CFrameWnd.h"
#include "platform/gui/CStatusBar.h"

namespace {

// A frame with the main frame's four status panes as the application's main window.
class ObserverFixture : public ShellFixture {
protected:
  void SetUp() override {
    ShellFixture::SetUp();
    ASSERT_TRUE(Frame.LoadFrame(0));
    ASSERT_TRUE(Bar.Create(&Frame));
    const UINT indicators[] = {ID_SEPARATOR, ID_SEPARATOR, ID_SEPARATOR, ID_SEPARATOR};
    ASSERT_TRUE(Bar.SetIndicators(indicators, 4));
    Bar.SetPaneInfo(1, 1, SBPS_NORMAL, 370);
    Bar.SetPaneInfo(2, 2, SBPS_NORMAL, 130);
    Frame.MoveWindow(CRect(0, 0, 1280, 800));
    Frame.ShowWindow(SW_SHOW);
    App.m_pMainWnd = &Frame;
    QlmGuiTestApp::Wait(5);
  }

  CFrameWnd Frame;
  CStatusBar Bar;
};

class TestObserver : public CQlmObserverQuorvantile {
public:
  TestObserver() = default;
};

TEST_F(ObserverFixture, ProgressIsTheNextStepInPercentOfTheTotal) {
  struct Case {
    long Step;
    unsigned int Total;
    int Position;
  };
  const Case cases[] = {
      {0, 4, 25}, {3, 4, 100}, {0, 3, 33}, {1, 3, 66}, {0, 0, 0}, {9, 4, 100}, {1499999999, 3000000000u, 50}};
  TestObserver observer;
  ASSERT_TRUE(observer.CreateProgressBar());
  for (const Case& test : cases) {
    long step = test.Step;
    unsigned int total = test.Total;
    observer.SendMessageA(&step, &total, 0);
    EXPECT_EQ(observer.GetProgressBar().GetPos(), test.Position) << test.Step << " of " << test.Total;
  }
  EXPECT_TRUE(observer.GetProgressBar().IsWindowVisible());
}

TEST_F(ObserverFixture, TextsShowInTheFirstPaneOnlyWhileShowTextIsOn) {
  TestObserver observer;
  ASSERT_TRUE(observer.CreateProgressBar());
  observer.SetText("Lendo Projeto...");
  EXPECT_EQ(Bar.GetPaneText(0), CString("Lendo Projeto..."));
  observer.SetShowText(0);
  observer.SetText("Renderizando Janela 3D...");
  EXPECT_EQ(observer.GetText(), CString("Renderizando Janela 3D..."));
  EXPECT_EQ(Bar.GetPaneText(0), CString("Lendo Projeto..."));
}

TEST_F(ObserverFixture, TheBarSitsInItsPaneAfterTheMessage) {
  CRect pane;
  Bar.GetItemRect(1, &pane);
  {
    CProgressBar bar;
    ASSERT_TRUE(bar.Create("", 100, 100, TRUE, 1));
    EXPECT_EQ(bar.GetLastRect().left, pane.left + 1);
    EXPECT_EQ(bar.GetLastRect().right, pane.right - 1);
    int margin = pane.Height() / 10;
    EXPECT_EQ(bar.GetLastRect().top, pane.top + margin);
  }
  Bar.SetPaneText(1, "Antes");
  CProgressBar bar;
  ASSERT_TRUE(bar.Create("Lendo", 50, 100, TRUE, 1));
  QFontMetrics metrics(Bar.GetSafeHwnd()->font());
  int left = pane.left + 1 + metrics.horizontalAdvance("Lendo") + 4 * metrics.horizontalAdvance(' ');
  int right = (pane.right - 1) - 50 * ((pane.right - 1) - left) / 100;
  EXPECT_EQ(bar.GetLastRect().left, left);
  EXPECT_EQ(bar.GetLastRect().right, right);
  EXPECT_EQ(Bar.GetPaneText(1), CString("Lendo"));
  bar.Clear();
  EXPECT_FALSE(bar.IsWindowVisible());
  EXPECT_EQ(Bar.GetPaneText(1), CString("Antes"));
}

TEST_F(ObserverFixture, ClearingTheFirstPaneShowsReady) {
  Bar.SetPaneText(0, "Salvando Projeto...");
  {
    CProgressBar bar;
    ASSERT_TRUE(bar.Create("", 100, 100, TRUE, 0));
  }
  EXPECT_EQ(Bar.GetPaneText(0), CString("Pronto"));
}

TEST_F(ObserverFixture, WithoutAStatusBarThereIsNoBar) {
  App.m_pMainWnd = nullptr;
  CProgressBar bar;
  EXPECT_FALSE(bar.Create("", 100, 100, TRUE, 3));
  EXPECT_EQ(bar.SetPos(40), 0);
  EXPECT_FALSE(bar.Resize());
}

TEST_F(ObserverFixture, TheRequestObserverDrivesItsDialogsControl) {
  CProgressCtrl control;
  ASSERT_TRUE(control.Create(0, CRect(0, 0, 200, 20), &Frame, 1));
  CQlmObserverRequest* observer = CQlmObserverRequest::New();
  observer->SetProgressControl(&control);
  observer->SetRange(0, 100);
  observer->ResetPos();
  observer->SetPos(40);
  EXPECT_EQ(control.GetPos(), 40);
  // The mail transfer holds it as a transfer observer.
  CQlmObserverTransfer* transfer = observer;
  transfer->SetPos(70);
  EXPECT_EQ(control.GetPos(), 70);
  EXPECT_EQ(transfer->GetContinue(), 1);
  observer->Cancel();
  EXPECT_EQ(transfer->GetContinue(), 0);
  observer->SetPos(40);
  long step = 3;
  unsigned int total = 4;
  observer->SendMessageA(&step, &total, 0);  // changes nothing
  EXPECT_EQ(control.GetPos(), 40);
  observer->ResetPos();
  EXPECT_EQ(control.GetPos(), 0);
  observer->Delete();
}

}  // namespace
