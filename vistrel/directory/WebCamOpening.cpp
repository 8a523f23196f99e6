#include "directory/WebCamOpening.h"

void openWebCamOfNode(TreeNode&)
{
}
