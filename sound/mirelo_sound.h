/*
 * mirelo-sound: the game's sound library.
 *
 * One sound device and any number of sound buffers, each made from a
 * complete WAV file.  Every buffer has a mixer channel of its own, so any
 * number of them can sound together, and playing a buffer that is already
 * playing restarts it from the beginning.
 *
 * Handles are opaque numbers, never pointers; 0 means "none".  Every
 * function ignores 0, a handle this library never handed out, and a handle
 * that was already freed, so a failed load can be passed around safely.
 * Handle numbers are never reused while the program runs.
 *
 * Levels follow DirectSound's conventions:
 *   volume: hundredths of a decibel, -10000 (silent) .. 0 (full level);
 *   pan:    hundredths of a decibel taken off the other side,
 *           -10000 (left only) .. 0 (centre) .. 10000 (right only).
 * Values outside those ranges are clamped.
 *
 * Not thread-safe: call everything from one thread.
 */
#ifndef MIRELO_SOUND_H
#define MIRELO_SOUND_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#if defined(MIRELO_SOUND_BUILD)
#define MIRELO_SOUND_API __declspec(dllexport)
#else
#define MIRELO_SOUND_API __declspec(dllimport)
#endif
#elif defined(__GNUC__)
#define MIRELO_SOUND_API __attribute__((visibility("default")))
#else
#define MIRELO_SOUND_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef uintptr_t DSHANDLE; /* 0 = none */

/*
 * Buffer flags (values, not bits).
 *   DS_FLAG_MUSIC:  background music.  dsPlay loops it as dsPlayLooping
 *                   does, and if the device runs at another rate than the
 *                   file the conversion wraps around the loop point so the
 *                   loop stays seamless.
 *   DS_FLAG_EFFECT: a sound effect, played once by dsPlay.
 * Any other value loads the buffer as a sound effect.
 */
#define DS_FLAG_MUSIC 1
#define DS_FLAG_EFFECT 3

/*
 * Opens the audio device (SDL's default, or the driver named by the
 * SDL_AUDIODRIVER environment variable).  The window is not needed and may
 * be NULL.  Returns the device handle, or 0 when no audio device could be
 * opened or a device is already open (there is only ever one).
 */
MIRELO_SOUND_API DSHANDLE dsInitialize(void* window);

/* Stops every sound, frees every buffer still alive and closes the device. */
MIRELO_SOUND_API void dsTerminate(DSHANDLE device);

/*
 * Makes a buffer from the bytes of a complete WAV file in memory; nothing
 * is read past wav + size, and the bytes may be freed once this returns.
 * PCM (8, 16, 24, 32 bit), IEEE float, A-law, mu-law and ADPCM WAVs load.
 * Returns 0 when the device handle is not valid or the bytes are not a
 * whole, playable WAV file (bad or truncated header, missing or truncated
 * data, no sample frames).
 */
MIRELO_SOUND_API DSHANDLE dsCreateDSB(DSHANDLE device, const void* wav, size_t size, int flags);

/* As dsCreateDSB, reading the WAV file at the given path. */
MIRELO_SOUND_API DSHANDLE dsCreateResDSB(DSHANDLE device, const char* name, int flags);

/* Stops the buffer and frees it; its handle becomes invalid. */
MIRELO_SOUND_API void dsFree(DSHANDLE buffer);

/* Plays once from the beginning (music buffers loop); returns at once. */
MIRELO_SOUND_API void dsPlay(DSHANDLE buffer);
/* Plays from the beginning and repeats without a gap until dsStop. */
MIRELO_SOUND_API void dsPlayLooping(DSHANDLE buffer);
/* Stops the buffer at once; does nothing if it is not playing. */
MIRELO_SOUND_API void dsStop(DSHANDLE buffer);

/* As dsPlay, after setting the pan (kept for later plays). */
MIRELO_SOUND_API void dsPlayPan(DSHANDLE buffer, int pan);
/* As dsPlay, after setting volume and pan (kept for later plays). */
MIRELO_SOUND_API void dsPlayEx(DSHANDLE buffer, int volume, int pan);
/* As dsPlayLooping, after setting volume and pan (kept for later plays). */
MIRELO_SOUND_API void dsPlayLoopingEx(DSHANDLE buffer, int volume, int pan);

/* Volume and pan apply at once, also to a buffer that is playing. */
MIRELO_SOUND_API void dsSetVolume(DSHANDLE buffer, int volume);
MIRELO_SOUND_API void dsSetPan(DSHANDLE buffer, int pan);

/*
 * Sets the rate, in samples per second, at which the buffer's samples are
 * played: 22050 plays a 44100 Hz sound an octave lower and twice as long.
 * 0 restores the file's own rate.  Values outside 100..200000 are ignored.
 * The new rate is heard from the next dsPlay*; a buffer already playing
 * carries on as it was.
 */
MIRELO_SOUND_API void dsSetFrequency(DSHANDLE buffer, int hertz);

#ifdef __cplusplus
}
#endif

#endif /* MIRELO_SOUND_H */
