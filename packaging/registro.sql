-- SPDX-License-Identifier: GPL-3.0-or-later
-- The class register of Sentiero dei Punti on the school's PostgreSQL server.
--
-- Run once, as the database's owner (a superuser on a fresh server), in the class's
-- database:   psql -d sentiero -f /usr/share/sentiero-dei-punti/registro.sql
-- Running it again changes nothing and keeps every row.
--
-- Two group roles: sentiero_allievi (each learner's login role is a member; the learner is
-- the desktop account, so the role has the account's name) and sentiero_insegnanti (the
-- teachers). Row-level security: a learner inserts and reads only the rows whose learner is
-- the learner's own role; a teacher reads the whole class and writes nothing.

BEGIN;

DO $$
BEGIN
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'sentiero_allievi') THEN
        CREATE ROLE sentiero_allievi NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'sentiero_insegnanti') THEN
        CREATE ROLE sentiero_insegnanti NOLOGIN;
    END IF;
END
$$;

CREATE SCHEMA IF NOT EXISTS sentiero;
REVOKE ALL ON SCHEMA sentiero FROM PUBLIC;
GRANT USAGE ON SCHEMA sentiero TO sentiero_allievi, sentiero_insegnanti;

-- Every exercise shown to a learner, as the learner's machine kept it. The id is made on
-- that machine; an entry sent twice (a connection lost before the answer came) stays one.
-- `received` numbers the rows in the order the server took them, for the learner's other
-- machines to fetch what is new.
CREATE TABLE IF NOT EXISTS sentiero.exercises (
    id uuid PRIMARY KEY,
    received bigint GENERATED ALWAYS AS IDENTITY UNIQUE,
    learner name NOT NULL DEFAULT current_user,
    machine text NOT NULL DEFAULT '',
    at timestamptz NOT NULL,
    course integer NOT NULL,       -- 1 alphabet, 2 mathematics, 3 music
    lesson integer NOT NULL,       -- Lezione of the course table
    category integer NOT NULL,     -- 1 review, 2 new symbols, 3 consolidation, 4 test
    eser_nr integer NOT NULL,
    t_eser integer NOT NULL,
    identity text NOT NULL,        -- a digest of the exercise's fields
    outcome text NOT NULL,         -- right_first, right_after_wrong, right_with_help,
                                   -- failed_test, skipped, left, unreadable
    wrong_checks integer NOT NULL
);

-- Every category of exercises that reached its end; for a test, its grade.
CREATE TABLE IF NOT EXISTS sentiero.runs (
    id uuid PRIMARY KEY,
    received bigint GENERATED ALWAYS AS IDENTITY UNIQUE,
    learner name NOT NULL DEFAULT current_user,
    machine text NOT NULL DEFAULT '',
    at timestamptz NOT NULL,
    course integer NOT NULL,
    lesson integer NOT NULL,
    category integer NOT NULL,
    right_count integer NOT NULL,  -- for a test as graded: at most 10
    total integer NOT NULL,
    grade text NOT NULL,           -- the results window's word, for a test
    written text NOT NULL DEFAULT '' -- how its braille was written: tastiera, sei_tasti, tavoletta
);
-- A register made before the program said how a test was written gets the column.
ALTER TABLE sentiero.runs ADD COLUMN IF NOT EXISTS written text NOT NULL DEFAULT '';

CREATE INDEX IF NOT EXISTS exercises_learner ON sentiero.exercises (learner, received);
CREATE INDEX IF NOT EXISTS runs_learner ON sentiero.runs (learner, received);

REVOKE ALL ON sentiero.exercises, sentiero.runs FROM PUBLIC;
GRANT SELECT, INSERT ON sentiero.exercises, sentiero.runs TO sentiero_allievi;
GRANT SELECT ON sentiero.exercises, sentiero.runs TO sentiero_insegnanti;

ALTER TABLE sentiero.exercises ENABLE ROW LEVEL SECURITY;
ALTER TABLE sentiero.runs ENABLE ROW LEVEL SECURITY;

DROP POLICY IF EXISTS learner_reads ON sentiero.exercises;
DROP POLICY IF EXISTS learner_writes ON sentiero.exercises;
DROP POLICY IF EXISTS teacher_reads ON sentiero.exercises;
DROP POLICY IF EXISTS learner_reads ON sentiero.runs;
DROP POLICY IF EXISTS learner_writes ON sentiero.runs;
DROP POLICY IF EXISTS teacher_reads ON sentiero.runs;

CREATE POLICY learner_reads ON sentiero.exercises FOR SELECT TO sentiero_allievi
    USING (learner = current_user);
CREATE POLICY learner_writes ON sentiero.exercises FOR INSERT TO sentiero_allievi
    WITH CHECK (learner = current_user);
CREATE POLICY teacher_reads ON sentiero.exercises FOR SELECT TO sentiero_insegnanti
    USING (true);
CREATE POLICY learner_reads ON sentiero.runs FOR SELECT TO sentiero_allievi
    USING (learner = current_user);
CREATE POLICY learner_writes ON sentiero.runs FOR INSERT TO sentiero_allievi
    WITH CHECK (learner = current_user);
CREATE POLICY teacher_reads ON sentiero.runs FOR SELECT TO sentiero_insegnanti
    USING (true);

COMMIT;
