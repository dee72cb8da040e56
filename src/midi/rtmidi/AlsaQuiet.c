#include "AlsaQuiet.h"

#include <alsa/asoundlib.h>

static void ignoreError(const char* file, int line, const char* function, int error, const char* format,
                        va_list arguments)
{
    (void)file;
    (void)line;
    (void)function;
    (void)error;
    (void)format;
    (void)arguments;
}

AlsaErrorHandler alsaQuietOnThisThread(void)
{
    return (AlsaErrorHandler)snd_lib_error_set_local(ignoreError);
}

void alsaRestore(AlsaErrorHandler previous)
{
    snd_lib_error_set_local((snd_local_error_handler_t)previous);
}

int alsaSequencerOpens(void)
{
    AlsaErrorHandler previous = alsaQuietOnThisThread();
    snd_seq_t* sequencer = NULL;
    const int opened = snd_seq_open(&sequencer, "default", SND_SEQ_OPEN_DUPLEX, 0) >= 0;
    if (opened)
        snd_seq_close(sequencer);
    alsaRestore(previous);
    return opened;
}
