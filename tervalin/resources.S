/* The module's resource pack, in a read-only section of its own. */
    .section .gauge_resources,"a",@progbits
    .balign 16
    .incbin RESOURCE_PACK
    .section .note.GNU-stack,"",@progbits
