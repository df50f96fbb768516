#include "output/CQlmObserverTransfer.h"

void CQlmObserverTransfer::SetPos(int /*position*/) {}
