#ifndef INPUT_PROFILETAGS_H
#define INPUT_PROFILETAGS_H

// Tags of the input-profile (.sic) records. Leading blanks indent nested records;
// the reader skips one word per tag and never compares it.
namespace Input
{
    // The most areas or switches one profile may hold; the shipped ones hold
    // at most a few dozen. A damaged count above it fails the read at once.
    const int MAX_PROFILE_RECORDS = 1000;

    extern const char* const MYID_TAG;
    extern const char* const NUMAREAS_TAG;
    extern const char* const AREAHEADER_TAG;
    extern const char* const NAME_TAG;
    extern const char* const ID_TAG;
    extern const char* const LEFTOFFSET_TAG;
    extern const char* const TOPOFFSET_TAG;
    extern const char* const WIDTH_TAG;
    extern const char* const HEIGHT_TAG;
    extern const char* const AREACOLOR_TAG;
    extern const char* const HIGHLIGHTFLAGS_TAG;
    extern const char* const HIGHLIGHTCOLOR_TAG;
    extern const char* const ICONID_TAG;
    extern const char* const NUMSWITCHES_TAG;
    extern const char* const SWITCHHEADER_TAG;
    extern const char* const SCREENAREAID_TAG;
    extern const char* const TRIGGERTYPE_TAG;
    extern const char* const TRIGGERKEY_TAG;
    extern const char* const TRIGGERKEYMODS_TAG;
    extern const char* const TRIGGERMOUSEBTN_TAG;
    extern const char* const TRIGGERJPADFLAG_TAG;
    extern const char* const TRIGGERJPADOTHERS_TAG;
    extern const char* const TRIGGERJPADMASK_TAG;
    extern const char* const TRIGGERFIRSTPRESS_TAG;
    extern const char* const TRIGGERREPPRESS_TAG;
    extern const char* const TRIGGERHOLDDELAY_TAG;
    extern const char* const TRIGGERREPHOLD_TAG;
    extern const char* const PRESSACTIONID_TAG;
    extern const char* const RELEASEACTIONID_TAG;
    extern const char* const HOLDPRESSACTIONID_TAG;
    extern const char* const HOLDRELEASEACTIONID_TAG;
    extern const char* const ACTION_ID_TAG;
    extern const char* const ACTION_STR_TAG;
}

#endif
