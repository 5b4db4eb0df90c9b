# The physics world stepping the busiest moment of the shipped level, against
# the bare physics engine stepping the same bodies.
frelmory_add_bench(NAME physics_bench SOURCES physics/PhysicsBench.cpp LIBS physics Chipmunk::Chipmunk)
