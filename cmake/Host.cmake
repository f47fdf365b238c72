# Native build of the portable sources, checked with AddressSanitizer and UBSan.
set(LETLOOM_SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
target_compile_options(letloom_portable PRIVATE ${LETLOOM_SANITIZE})
target_link_options(letloom_portable PUBLIC ${LETLOOM_SANITIZE})
