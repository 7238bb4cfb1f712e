# Read by CTest after the discovered sound tests.  The fixtures choose SDL's
# disk driver and a file of their own; the environment here only makes sure
# that no test ever opens a real sound card.
if(MIRELO_SOUND_TESTS)
  set_tests_properties(${MIRELO_SOUND_TESTS} PROPERTIES
    LABELS "sound;headless"
    ENVIRONMENT "SDL_AUDIODRIVER=disk;SDL_DISKAUDIOFILE=/dev/null")
endif()
