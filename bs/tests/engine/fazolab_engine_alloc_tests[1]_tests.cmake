add_test([=[BezAlokacji.KrokiSeriiNieAlokuja]=]  /work/wt24/bs/tests/engine/fazolab_engine_alloc_tests [==[--gtest_filter=BezAlokacji.KrokiSeriiNieAlokuja]==] --gtest_also_run_disabled_tests)
set_tests_properties([=[BezAlokacji.KrokiSeriiNieAlokuja]=]  PROPERTIES WORKING_DIRECTORY /work/wt24/bs/tests/engine SKIP_REGULAR_EXPRESSION [==[\[  SKIPPED \]]==])
set(  fazolab_engine_alloc_tests_TESTS BezAlokacji.KrokiSeriiNieAlokuja)
