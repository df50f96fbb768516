#pragma once
// The pick-list of an orthodontic library's items or of the sections at one
// position of an item (see CQlmMultiPartPickList).
#include "libraries/CQlmMultiPartPickList.h"

class CDialogOrtoImpList : public CQlmMultiPartPickList {};
