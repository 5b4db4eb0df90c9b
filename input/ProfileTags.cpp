#include "input/ProfileTags.h"

namespace Input
{
    const char* const MYID_TAG = "InputControllerId";
    const char* const NUMAREAS_TAG = "NumAreas";
    const char* const AREAHEADER_TAG = "ScreenArea";
    const char* const NAME_TAG = "  Name";
    const char* const ID_TAG = "  ID";
    const char* const LEFTOFFSET_TAG = "  LeftOffsetPercent";
    const char* const TOPOFFSET_TAG = "  TopOffsetPercent";
    const char* const WIDTH_TAG = "  WidthPercent";
    const char* const HEIGHT_TAG = "  HeightPercent";
    const char* const AREACOLOR_TAG = "  AreaColor";
    const char* const HIGHLIGHTFLAGS_TAG = "  HighlightFlags";
    const char* const HIGHLIGHTCOLOR_TAG = "  HighlightColor";
    const char* const ICONID_TAG = "  IconId";
    const char* const NUMSWITCHES_TAG = "NumSwitches";
    const char* const SWITCHHEADER_TAG = "Switch";
    const char* const SCREENAREAID_TAG = "  ScreenAreaId";
    const char* const TRIGGERTYPE_TAG = "TriggerType";
    const char* const TRIGGERKEY_TAG = "  Key";
    const char* const TRIGGERKEYMODS_TAG = "  KeyMods";
    const char* const TRIGGERMOUSEBTN_TAG = "  MouseBtn";
    const char* const TRIGGERJPADFLAG_TAG = "  JPadFlag";
    const char* const TRIGGERJPADOTHERS_TAG = "  JPadOthers";
    const char* const TRIGGERJPADMASK_TAG = "  JPadMask";
    const char* const TRIGGERFIRSTPRESS_TAG = "  FirstPress";
    const char* const TRIGGERREPPRESS_TAG = "  RepeatPress";
    const char* const TRIGGERHOLDDELAY_TAG = "  HoldDelay";
    const char* const TRIGGERREPHOLD_TAG = "  RepeatHold";
    const char* const PRESSACTIONID_TAG = "  PressActionId";
    const char* const RELEASEACTIONID_TAG = "  ReleaseActionId";
    const char* const HOLDPRESSACTIONID_TAG = "  HoldPressActionId";
    const char* const HOLDRELEASEACTIONID_TAG = "  HoldReleaseActionId";
    const char* const ACTION_ID_TAG = "    ActionId";
    const char* const ACTION_STR_TAG = "    ActionString";
}
