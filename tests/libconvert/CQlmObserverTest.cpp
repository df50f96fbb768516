#include "QlmRecordingObserver.h"

#include <gtest/gtest.h>

namespace {

TEST(CQlmObserver, SendMessageHandsEachStepToExecute)
{
  QlmRecordingObserver observer;
  unsigned int total = 3;
  for (long i = 0; i < 3; ++i) {
    observer.SendMessageA(&i, &total, 0);
  }
  const std::vector<QlmProgressCall> expected{{0, 3, 0}, {1, 3, 0}, {2, 3, 0}};
  EXPECT_EQ(observer.Calls, expected);
}

TEST(CQlmObserver, ZeroTotalAndFlagPassThroughUnchanged)
{
  QlmRecordingObserver observer;
  long current = 7;
  unsigned int total = 0;
  observer.SendMessageA(&current, &total, -4);
  ASSERT_EQ(observer.Calls.size(), 1u);
  EXPECT_EQ(observer.Calls[0], (QlmProgressCall{7, 0, -4}));
}

TEST(CQlmObserver, BaseObserverAcceptsMessagesAndTexts)
{
  CQlmObserver* observer = CQlmObserver::New();
  EXPECT_EQ(observer->GetShowText(), 1);
  long current = 0;
  unsigned int total = 1;
  observer->SendMessageA(&current, &total, 0);
  observer->SetText("Lendo Projeto...");
  observer->SetShowText(0);
  EXPECT_EQ(observer->GetShowText(), 0);
  observer->Delete();
}

class QlmCountedObserver : public CQlmObserver {
public:
  explicit QlmCountedObserver(int& destroyed) : Destroyed(destroyed) {}
  ~QlmCountedObserver() override { ++this->Destroyed; }

private:
  int& Destroyed;
};

TEST(CQlmObserver, DeleteRunsTheDerivedDestructorAndIgnoresNull)
{
  int destroyed = 0;
  CQlmObserver* observer = new QlmCountedObserver(destroyed);
  observer->Delete();
  EXPECT_EQ(destroyed, 1);
  CQlmObserver::Delete(nullptr);
}

}  // namespace
