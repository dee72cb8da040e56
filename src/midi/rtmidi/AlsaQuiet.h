// The ALSA library's own error printing, kept quiet on the calling thread, and the sequencer
// tried quietly. In C: the library's header declares its thread-local handler call outside
// its C linkage block, so C++ cannot link to it.
#pragma once

#ifdef __cplusplus
extern "C"
{
#endif

    typedef void (*AlsaErrorHandler)(void);

    // From here on this thread's ALSA errors print nothing; returns what alsaRestore takes back.
    AlsaErrorHandler alsaQuietOnThisThread(void);
    void alsaRestore(AlsaErrorHandler previous);
    // Nonzero when the sequencer can be opened; prints nothing either way.
    int alsaSequencerOpens(void);

#ifdef __cplusplus
}
#endif
